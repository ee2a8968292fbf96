#include "gui/summary/summary_window.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPixmap>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <string>
#include <vector>

#include "gui/forms/form_dialog.h"
#include "gui/qt_text.h"
#include "gui/summary/print_preview.h"
#include "gui/summary/summary_table_model.h"
#include "gui/summary/summary_table_view.h"
#include "platform/canvas.h"
#include "platform/qt/painter_canvas.h"
#include "platform/report_failure.h"
#include "platform/unattended_ui.h"
#include "proposal/builtin_pictures.h"

namespace belvo::gui {

namespace {

constexpr const char* kPrintOperation = "CPrehledForm::On_ID_Tisk";
constexpr const char* kPreviewOperation = "CPrehledForm::On_ID_Nahled";

// The messages that arise while the preview draws its pages (paper that is too small, a
// failure), kept until the drawing is over and then shown to the user.
class DeferredMessages : public UnattendedUi {
public:
    Answer Message(const std::string& text, const std::string& caption, MessageIcon icon,
                   MessageButtons buttons) override
    {
        m_messages.push_back({text, caption, icon});
        return UnattendedAnswer(buttons);
    }
    void ShowThrough(Ui& ui)
    {
        std::vector<Kept> messages;
        messages.swap(m_messages);
        for (const Kept& kept : messages) ui.Message(kept.text, kept.caption, kept.icon);
    }

private:
    struct Kept {
        std::string text;
        std::string caption;
        MessageIcon icon;
    };
    std::vector<Kept> m_messages;
};

QLabel* UnitLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setAccessibleName(text);
    return label;
}

}  // namespace

SummaryWindow::SummaryWindow(std::unique_ptr<CPrehledForm> form, Ui& ui, bool automaticRounding, QWidget* parent)
    : QMainWindow(parent), m_form(std::move(form)), m_ui(ui)
{
    m_form->Otevri(automaticRounding);
    const PrehledTexts texts = m_form->Texts();

    auto* central = new QWidget(this);
    central->setWindowTitle(Qs(texts.formular));
    central->setAccessibleName(Qs(texts.formular));
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(BuildFields());

    const auto editHandler = [this](SummaryTable table) {
        return [this, table](int row, int column, const QString& text) {
            m_form->UpravBunku(table, row, column, Us(text));
            Refresh();
        };
    };
    m_itemModel = std::make_unique<SummaryTableModel>(m_form->Summary().Items(), editHandler(SummaryTable::Items));
    m_palletModel = std::make_unique<SummaryTableModel>(m_form->Summary().Pallets(), editHandler(SummaryTable::Pallets));
    m_tabs = new QTabWidget(central);
    m_tabs->setAccessibleName(QStringLiteral("Tabulky"));
    m_itemTable = new SummaryTableView(*m_itemModel, m_tabs);
    m_itemTable->setAccessibleName(QStringLiteral("materiál"));
    m_palletTable = new SummaryTableView(*m_palletModel, m_tabs);
    m_palletTable->setAccessibleName(QStringLiteral("obaly"));
    m_tabs->addTab(m_itemTable, QStringLiteral("materiál   "));
    m_tabs->addTab(m_palletTable, QStringLiteral("obaly   "));
    layout->addWidget(m_tabs, 1);
    setCentralWidget(central);

    BuildMenus();
    connect(m_tabs, &QTabWidget::currentChanged, this, &SummaryWindow::OnTabChanged);
    connect(m_itemTable->selectionModel(), &QItemSelectionModel::currentChanged, this, [this] { UpdateActions(); });
    if (m_itemModel->rowCount() > 0) m_itemTable->setCurrentIndex(m_itemModel->index(0, 0));

    setWindowTitle(Qs(texts.titulek) + QStringLiteral("[*]"));
    // Over the desktop, 20 pixels below its top edge.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect area = screen->availableGeometry();
        area.setTop(area.top() + 20 + style()->pixelMetric(QStyle::PM_TitleBarHeight));
        setGeometry(area);
    }
    Refresh();
    m_itemTable->setFocus();
}

SummaryWindow::~SummaryWindow()
{
    // The views go before the models they show.
    delete centralWidget();
}

QLineEdit* SummaryWindow::AddNumberField(Field field, const QString& name, const QColor& text)
{
    auto* edit = new QLineEdit(this);
    edit->setReadOnly(true);
    edit->setAlignment(Qt::AlignRight);
    edit->setAccessibleName(name);
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, BgrColor(m_form->Summary().Settings().colorNeEdit));
    palette.setColor(QPalette::Text, text);
    edit->setPalette(palette);
    m_fields[field] = edit;
    return edit;
}

QWidget* SummaryWindow::BuildFields()
{
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    const PrehledTexts texts = m_form->Texts();
    const QString currency = Qs(texts.mena);
    // Fields of one column have one width, so their units line up.
    const int narrow = fontMetrics().horizontalAdvance(QStringLiteral("0000000"));
    const int medium = fontMetrics().horizontalAdvance(QStringLiteral("0000000,00"));
    const int wide = fontMetrics().horizontalAdvance(QStringLiteral("000 000 000,00"));

    const auto place = [&](int row, int column, const QString& label, Field field, int width, const QColor& colour,
                           const QString& unit) {
        if (!label.isEmpty()) {
            auto* name = new QLabel(label, box);
            grid->addWidget(name, row, column, Qt::AlignRight);
        }
        QLineEdit* edit = AddNumberField(field, label.isEmpty() ? QStringLiteral("DPH") : label, colour);
        edit->setFixedWidth(width);
        grid->addWidget(edit, row, column + 1);
        QLabel* unitLabel = UnitLabel(unit, box);
        if (unit == currency) m_currencyLabels.push_back(unitLabel);
        grid->addWidget(unitLabel, row, column + 2);
    };

    // Mnemonics let the keyboard reach the box and the button from the tables, where Tab moves
    // between cells.
    m_vat = new QCheckBox(QStringLiteral("&s DPH"), box);
    m_vat->setAccessibleName(QStringLiteral("s DPH"));
    // The check box stands in the label's column of the VAT field.
    grid->addWidget(m_vat, 0, 0);
    place(0, 0, QString(), Field::Dph, narrow, Qt::black, QStringLiteral("%"));
    place(0, 3, QStringLiteral("Sleva"), Field::Sleva, medium, Qt::black, QStringLiteral("%"));
    place(0, 6, QStringLiteral("Zboží"), Field::Zbozi, narrow, Qt::black, QStringLiteral("kg"));
    place(0, 9, QStringLiteral("Cena zboží"), Field::CenaZbozi, wide, Qt::red, currency);
    place(1, 3, QStringLiteral("Ztráta"), Field::Ztrata, medium, Qt::black, currency);
    place(1, 6, QStringLiteral("Obaly"), Field::Obaly, narrow, Qt::black, QStringLiteral("kg"));
    place(1, 9, QStringLiteral("Cena obalů"), Field::CenaObalu, wide, Qt::blue, currency);
    m_transport = new QPushButton(QStringLiteral("Změna do&pravy"), box);
    m_transport->setAccessibleName(QStringLiteral("Změna dopravy"));
    m_transport->setAutoDefault(false);
    grid->addWidget(m_transport, 2, 6, 1, 3);
    place(2, 9, QStringLiteral("Cena dopravy"), Field::CenaDopravy, wide, QColor(0, 128, 0), currency);
    grid->setColumnStretch(12, 1);

    auto* logo = new QLabel(box);
    logo->setAccessibleName(QStringLiteral("Logo"));
    const std::string_view bmp = BuiltinLogoBmp();
    QPixmap picture;
    if (picture.loadFromData(reinterpret_cast<const uchar*>(bmp.data()), static_cast<uint>(bmp.size())))
        logo->setPixmap(picture.scaledToHeight(fontMetrics().height() * 3, Qt::SmoothTransformation));
    grid->addWidget(logo, 0, 13, 2, 1, Qt::AlignRight | Qt::AlignTop);

    m_priceList = new QLabel(Qs(texts.cenik), box);
    m_priceList->setAccessibleName(QStringLiteral("Ceník"));
    m_priceList->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QPalette palette = m_priceList->palette();
    palette.setColor(QPalette::WindowText, BgrColor(0x000080));
    m_priceList->setPalette(palette);
    grid->addWidget(m_priceList, 2, 13, Qt::AlignRight);

    connect(m_vat, &QCheckBox::clicked, this, [this](bool checked) {
        m_form->NastavSDPH(checked);
        Refresh();
    });
    connect(m_transport, &QPushButton::clicked, this, [this] {
        Run([this] { m_form->ZmenaDopravy([this](FormModel& model) { return RunDialog(model); }); });
    });
    return box;
}

void SummaryWindow::BuildMenus()
{
    const auto add = [this](QMenu* menu, const QString& text, auto&& slot, const QKeySequence& key = {}) {
        QAction* action = menu->addAction(text);
        if (!key.isEmpty()) action->setShortcut(key);
        connect(action, &QAction::triggered, this, std::forward<decltype(slot)>(slot));
        return action;
    };
    QMenu* navrh = menuBar()->addMenu(QStringLiteral("&Návrh"));
    m_actions.save = add(navrh, QStringLiteral("&Uložit do projektu"), [this] { Run([this] { m_form->UlozDoProjektu(); }); },
                         QKeySequence::Save);
    m_actions.message = add(navrh, QStringLiteral("&Poselství"), [this] {
        Run([this] { m_form->Poselstvi([this](FormModel& model) { return RunDialog(model); }); });
    });
    m_actions.exportXml = add(navrh, QStringLiteral("&Export do XML"), [this] { Run([this] { m_form->ExportDoXml(); }); });

    QMenu* tisk = menuBar()->addMenu(QStringLiteral("&Tisk"));
    m_actions.print = add(tisk, QStringLiteral("&Tisk ..."), [this] { Print(PrintMode::Report); }, QKeySequence::Print);
    m_actions.printCopy = add(tisk, QStringLiteral("&Opis tabulky"), [this] { Print(PrintMode::TableCopy); });
    tisk->addSeparator();
    m_actions.pdf = add(tisk, QStringLiteral("Uložit jako &PDF ..."), [this] { SavePdf(); });

    QMenu* rounding = menuBar()->addMenu(QStringLiteral("&Zaokrouhlování"));
    m_actions.roundAll = add(rounding, QStringLiteral("Zaokrou&hli vše"), [this] { Run([this] { m_form->ZaokrouhliVse(); }); });
    m_actions.unroundAll = add(rounding, QStringLiteral("Odzaokrouhli &vše"), [this] { Run([this] { m_form->OdzaokrouhliVse(); }); });
    m_actions.roundOne = add(rounding, QStringLiteral("&Zaokrouhli položku"), [this] {
        Run([this] { m_form->ZaokrouhliPolozku(m_itemTable->FocusedRow()); });
    });
    m_actions.unroundOne = add(rounding, QStringLiteral("&Odzaokrouhli položku"), [this] {
        Run([this] { m_form->OdzaokrouhliPolozku(m_itemTable->FocusedRow()); });
    });

    QMenu* nahled = menuBar()->addMenu(QStringLiteral("Ná&hled"));
    m_actions.preview = add(nahled, QStringLiteral("&Náhled"), [this] { Preview(PrintMode::Report); });
    m_actions.previewCopy = add(nahled, QStringLiteral("&Opis tabulky"), [this] { Preview(PrintMode::TableCopy); });

    QMenu* html = menuBar()->addMenu(QStringLiteral("&do HTML"));
    m_actions.htmlSave = add(html, QStringLiteral("&Uložit"), [this] { Run([this] { m_form->UlozHtml(); }); });
    m_actions.htmlShow = add(html, QStringLiteral("&Zobrazit"), [this] { Run([this] { m_form->ZobrazHtml(); }); });
}

template <class Work>
void SummaryWindow::Run(Work&& work)
{
    EndEditing();
    work();
    Refresh();
}

void SummaryWindow::EndEditing()
{
    m_itemTable->EndEditing();
    m_palletTable->EndEditing();
}

void SummaryWindow::Refresh()
{
    m_itemModel->Refresh();
    m_palletModel->Refresh();
    const PrehledTexts texts = m_form->Texts();
    const std::pair<Field, const std::string*> values[] = {
        {Field::Dph, &texts.dph},       {Field::Sleva, &texts.sleva},         {Field::Zbozi, &texts.zbozi},
        {Field::CenaZbozi, &texts.cenaZbozi}, {Field::Ztrata, &texts.ztrata}, {Field::Obaly, &texts.obaly},
        {Field::CenaObalu, &texts.cenaObalu}, {Field::CenaDopravy, &texts.cenaDopravy},
    };
    for (const auto& [field, text] : values) {
        QLineEdit* edit = m_fields.at(field);
        const QString shown = Qs(*text);
        if (edit->text() != shown) edit->setText(shown);
    }
    m_vat->setChecked(m_form->Summary().SDPH());
    setWindowModified(m_form->Upraveno());
    UpdateActions();
}

void SummaryWindow::UpdateActions()
{
    const int tab = m_tabs->currentIndex();
    const bool all = CPrehledForm::ZaokrouhleniVseMozne(tab);
    const bool one = CPrehledForm::ZaokrouhleniPolozkyMozne(tab, m_itemTable->FocusedRow());
    m_actions.roundAll->setEnabled(all);
    m_actions.unroundAll->setEnabled(all);
    m_actions.roundOne->setEnabled(one);
    m_actions.unroundOne->setEnabled(one);
}

void SummaryWindow::SelectTab(int tab) { m_tabs->setCurrentIndex(tab); }

void SummaryWindow::OnTabChanged(int tab)
{
    EndEditing();
    m_form->ZmenaZalozky();
    Refresh();
    (tab == CPrehledForm::kPalletTab ? m_palletTable : m_itemTable)->setFocus();
}

bool SummaryWindow::RunDialog(FormModel& model) { return RunFormDialog(model, this); }

// --- Printing --------------------------------------------------------------------------------------

void SummaryWindow::PrintOn(QPrinter& printer, PrintMode mode)
{
    std::unique_ptr<PagedDocument> job = mode == PrintMode::Report ? m_form->Zprava(&m_ui) : m_form->OpisTabulky();
    PrintDocument(printer, *job);
}

void SummaryWindow::Print(PrintMode mode)
{
    EndEditing();
    RunReporting(m_ui, kPrintOperation, "Chyba", [&] {
        QPrinter printer(QPrinter::HighResolution);
        QPrintDialog dialog(&printer, this);
        dialog.setWindowTitle(QStringLiteral("Tisk"));
        if (dialog.exec() != QDialog::Accepted) return;
        PrintOn(printer, mode);
    });
    Refresh();
}

std::unique_ptr<PrintPreview> SummaryWindow::MakePreview(QPrinter& printer, PrintMode mode)
{
    auto messages = std::make_shared<DeferredMessages>();
    std::shared_ptr<PagedDocument> job(mode == PrintMode::Report ? m_form->Zprava(messages.get()) : m_form->OpisTabulky());
    auto paint = [this, job, messages](QPrinter& target) {
        try {
            PrintDocument(target, *job);
        } catch (const std::exception& failure) {
            ReportFailure(*messages, failure, kPreviewOperation);
        }
        QTimer::singleShot(0, this, [this, messages] { messages->ShowThrough(m_ui); });
    };
    return std::make_unique<PrintPreview>(printer, std::move(paint), this);
}

void SummaryWindow::Preview(PrintMode mode)
{
    EndEditing();
    bool print = false;
    RunReporting(m_ui, kPreviewOperation, "Chyba", [&] {
        QPrinter printer(QPrinter::HighResolution);
        std::unique_ptr<PrintPreview> preview = MakePreview(printer, mode);
        preview->exec();
        print = preview->PrintRequested();
    });
    Refresh();
    // The preview's print button prints the report, whichever of the two was shown.
    if (print) Print(PrintMode::Report);
}

void SummaryWindow::SavePdf()
{
    EndEditing();
    RunReporting(m_ui, kPrintOperation, "Chyba", [&] {
        const std::optional<std::string> path = m_form->SouborPdf();
        if (!path) return;
        std::unique_ptr<PagedDocument> job = m_form->Zprava(&m_ui);
        WritePdf(*path, *job);
    });
    Refresh();
}

// --- Closing ---------------------------------------------------------------------------------------

void SummaryWindow::CloseWithoutAsking()
{
    m_closeWithoutAsking = true;
    close();
}

bool SummaryWindow::QueryClose()
{
    EndEditing();
    const bool mayClose = m_form->MuzeZavrit();
    Refresh();
    return mayClose;
}

void SummaryWindow::closeEvent(QCloseEvent* event)
{
    if (!m_closeWithoutAsking && !QueryClose()) {
        event->ignore();
        return;
    }
    event->accept();
    emit closed();
}

}  // namespace belvo::gui
