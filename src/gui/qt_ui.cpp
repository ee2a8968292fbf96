#include "gui/qt_ui.h"

#include <algorithm>

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/dialogs/table_window.h"
#include "gui/qt_text.h"
#include "platform/qt/system_info_qt.h"

namespace belvo::gui {

namespace {

QMessageBox::Icon IconOf(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Warning: return QMessageBox::Warning;
    case MessageIcon::Error: return QMessageBox::Critical;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

struct ButtonSet {
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton;
    QMessageBox::StandardButton escapeButton;
};

ButtonSet ButtonsOf(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::OkCancel: return {QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok, QMessageBox::Cancel};
    case MessageButtons::YesNo: return {QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes, QMessageBox::No};
    case MessageButtons::YesNoCancel:
        return {QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes, QMessageBox::Cancel};
    case MessageButtons::RetryCancel:
        return {QMessageBox::Retry | QMessageBox::Cancel, QMessageBox::Retry, QMessageBox::Cancel};
    case MessageButtons::Ok: break;
    }
    return {QMessageBox::Ok, QMessageBox::Ok, QMessageBox::Ok};
}

Answer AnswerOf(int button)
{
    switch (button) {
    case QMessageBox::Ok: return Answer::Ok;
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    case QMessageBox::Retry: return Answer::Retry;
    default: return Answer::Cancel;
    }
}

// The Czech texts of the standard buttons, which the platform's own translations may lack.
void NameButtons(QMessageBox& box)
{
    const std::pair<QMessageBox::StandardButton, const char*> names[] = {
        {QMessageBox::Ok, "OK"},   {QMessageBox::Cancel, "Storno"},  {QMessageBox::Yes, "&Ano"},
        {QMessageBox::No, "&Ne"}, {QMessageBox::Retry, "&Opakovat"},
    };
    for (const auto& [which, text] : names)
        if (QAbstractButton* button = box.button(which)) {
            button->setText(QString::fromUtf8(text));
            button->setAccessibleName(AccessibleName(text));
        }
}

// The Czech texts of the buttons of a dialog's button box.
void NameButtons(QDialogButtonBox& box)
{
    const std::pair<QDialogButtonBox::StandardButton, const char*> names[] = {
        {QDialogButtonBox::Ok, "OK"},     {QDialogButtonBox::Cancel, "Storno"}, {QDialogButtonBox::Yes, "&Ano"},
        {QDialogButtonBox::No, "&Ne"},    {QDialogButtonBox::Retry, "&Opakovat"},
    };
    for (const auto& [which, text] : names)
        if (QPushButton* button = box.button(which)) {
            button->setText(QString::fromUtf8(text));
            button->setAccessibleName(AccessibleName(text));
        }
}

// The normal cursor over a dialog that asks the user in the middle of long work.
class ArrowWhileWaiting {
public:
    explicit ArrowWhileWaiting(bool waiting) : m_on(waiting)
    {
        if (m_on) QApplication::setOverrideCursor(Qt::ArrowCursor);
    }
    ~ArrowWhileWaiting()
    {
        if (m_on) QApplication::restoreOverrideCursor();
    }
    ArrowWhileWaiting(const ArrowWhileWaiting&) = delete;
    ArrowWhileWaiting& operator=(const ArrowWhileWaiting&) = delete;

private:
    bool m_on;
};

// A text too long for a message box (a server's error page): it is shown in a scrollable box.
bool IsLongText(const QString& text)
{
    constexpr int kLongestMessage = 1200;
    constexpr int kMostLines = 20;
    return text.size() > kLongestMessage || text.count(QLatin1Char('\n')) > kMostLines;
}

QDialogButtonBox::StandardButtons BoxButtonsOf(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::OkCancel: return QDialogButtonBox::Ok | QDialogButtonBox::Cancel;
    case MessageButtons::YesNo: return QDialogButtonBox::Yes | QDialogButtonBox::No;
    case MessageButtons::YesNoCancel: return QDialogButtonBox::Yes | QDialogButtonBox::No | QDialogButtonBox::Cancel;
    case MessageButtons::RetryCancel: return QDialogButtonBox::Retry | QDialogButtonBox::Cancel;
    case MessageButtons::Ok: break;
    }
    return QDialogButtonBox::Ok;
}

// A long message in a dialog with a read-only text that scrolls, and the message's buttons.
Answer LongMessage(QWidget* parent, const QString& text, const QString& caption, MessageButtons buttons)
{
    QDialog dialog(parent);
    dialog.setWindowTitle(caption);
    auto* layout = new QVBoxLayout(&dialog);
    auto* view = new QPlainTextEdit(text, &dialog);
    view->setReadOnly(true);
    view->setAccessibleName(caption);
    layout->addWidget(view);
    auto* box = new QDialogButtonBox(BoxButtonsOf(buttons), &dialog);
    NameButtons(*box);
    layout->addWidget(box);
    Answer answer = buttons == MessageButtons::Ok ? Answer::Ok : Answer::Cancel;
    QObject::connect(box, &QDialogButtonBox::clicked, &dialog, [&](QAbstractButton* button) {
        switch (box->standardButton(button)) {
        case QDialogButtonBox::Ok: answer = Answer::Ok; break;
        case QDialogButtonBox::Yes: answer = Answer::Yes; break;
        case QDialogButtonBox::No: answer = Answer::No; break;
        case QDialogButtonBox::Retry: answer = Answer::Retry; break;
        default: answer = Answer::Cancel; break;
        }
        dialog.accept();
    });
    dialog.resize(700, 450);
    dialog.exec();
    return answer;
}

}  // namespace

QtUi::QtUi(QWidget* fallbackParent)
    : m_fallbackParent(fallbackParent), m_separators(QtSystemInfo().NumberSeparators())
{
}

QtUi::~QtUi() { delete m_progress.data(); }

QWidget* QtUi::DialogParent() const
{
    if (QWidget* active = QApplication::activeModalWidget()) return active;
    if (QWidget* active = QApplication::activeWindow()) return active;
    return m_fallbackParent.data();
}

Answer QtUi::Message(const std::string& text, const std::string& caption, MessageIcon icon, MessageButtons buttons)
{
    const ArrowWhileWaiting arrow(m_waitDepth > 0);
    if (IsLongText(MessageText(text))) return LongMessage(DialogParent(), MessageText(text), Qs(caption), buttons);
    QMessageBox box(DialogParent());
    box.setWindowTitle(Qs(caption));
    box.setTextFormat(Qt::PlainText);  // texts come from files and users: never markup
    box.setText(MessageText(text));
    box.setIcon(IconOf(icon));
    const ButtonSet set = ButtonsOf(buttons);
    box.setStandardButtons(set.buttons);
    box.setDefaultButton(set.defaultButton);
    box.setEscapeButton(set.escapeButton);
    NameButtons(box);
    return AnswerOf(box.exec());
}

std::optional<std::size_t> QtUi::ChooseFromList(const std::string& title, const std::string& prompt,
                                                const std::vector<std::string>& lines,
                                                std::optional<std::size_t> preselected)
{
    // A list box and "OK"; Esc and closing the window leave it without a choice.
    const ArrowWhileWaiting arrow(m_waitDepth > 0);
    QDialog dialog(DialogParent());
    dialog.setWindowTitle(Qs(title));
    auto* layout = new QVBoxLayout(&dialog);
    auto* list = new QListWidget(&dialog);
    if (!prompt.empty()) {
        auto* label = new QLabel(MessageText(prompt), &dialog);
        label->setBuddy(list);
        layout->addWidget(label);
    }
    list->setAccessibleName(prompt.empty() ? Qs(title) : AccessibleName(prompt));
    for (const std::string& line : lines) list->addItem(Qs(line));
    if (!lines.empty()) list->setCurrentRow(preselected && *preselected < lines.size() ? static_cast<int>(*preselected) : 0);
    // As wide as the longest line, within reason.
    list->setMinimumWidth(std::min(list->sizeHintForColumn(0) + 40, 900));
    layout->addWidget(list);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &dialog);
    NameButtons(*buttons);
    layout->addWidget(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(list, &QListWidget::itemActivated, &dialog, &QDialog::accept);
    list->setFocus();
    if (dialog.exec() != QDialog::Accepted || list->currentRow() < 0) return std::nullopt;
    return static_cast<std::size_t>(list->currentRow());
}

std::optional<std::string> QtUi::PromptText(const std::string& title, const std::string& prompt,
                                            const std::string& initial)
{
    const ArrowWhileWaiting arrow(m_waitDepth > 0);
    QInputDialog dialog(DialogParent());
    dialog.setWindowTitle(Qs(title));
    dialog.setLabelText(MessageText(prompt));
    dialog.setTextValue(Qs(initial));
    dialog.setOkButtonText("OK");
    dialog.setCancelButtonText("Storno");
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return Us(dialog.textValue());
}

std::optional<std::string> QtUi::OpenFileName(const std::string& title, const std::string& filter,
                                              const std::string& initialPath)
{
    const ArrowWhileWaiting arrow(m_waitDepth > 0);
    const QString path = QFileDialog::getOpenFileName(DialogParent(), Qs(title), Qs(initialPath), Qs(filter));
    if (path.isEmpty()) return std::nullopt;
    return Us(path);
}

std::optional<std::string> QtUi::SaveFileName(const std::string& title, const std::string& filter,
                                              const std::string& initialPath)
{
    const ArrowWhileWaiting arrow(m_waitDepth > 0);
    const QString path = QFileDialog::getSaveFileName(DialogParent(), Qs(title), Qs(initialPath), Qs(filter));
    if (path.isEmpty()) return std::nullopt;
    return Us(path);
}

std::optional<Credentials> QtUi::AskCredentials(const std::string& where)
{
    const ArrowWhileWaiting arrow(m_waitDepth > 0);
    QDialog dialog(DialogParent());
    dialog.setWindowTitle("Přihlášení");
    auto* layout = new QFormLayout(&dialog);
    auto* note = new QLabel(QStringLiteral("Jméno a heslo pro ") + MessageText(where) + QLatin1Char(':'), &dialog);
    note->setWordWrap(true);
    layout->addRow(note);
    auto* user = new QLineEdit(&dialog);
    auto* password = new QLineEdit(&dialog);
    password->setEchoMode(QLineEdit::Password);
    user->setAccessibleName("Uživatel");
    password->setAccessibleName("Heslo");
    auto* userLabel = new QLabel("&Uživatel", &dialog);
    auto* passwordLabel = new QLabel("&Heslo", &dialog);
    userLabel->setBuddy(user);
    passwordLabel->setBuddy(password);
    layout->addRow(userLabel, user);
    layout->addRow(passwordLabel, password);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    NameButtons(*buttons);
    layout->addRow(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return Credentials{Us(user->text()), Us(password->text())};
}

void QtUi::ShowTable(const TableDialog& table)
{
    const ArrowWhileWaiting arrow(m_waitDepth > 0);
    TableWindow window(table, m_separators, DialogParent());
    window.exec();
}

std::size_t QtUi::ChooseHeight(const std::string& prompt, const std::vector<std::string>& lines, std::size_t preselected)
{
    const ArrowWhileWaiting arrow(m_waitDepth > 0);
    QDialog dialog(DialogParent());
    dialog.setWindowTitle("Validace");
    auto* layout = new QVBoxLayout(&dialog);
    auto* note = new QLabel(MessageText(prompt), &dialog);
    note->setWordWrap(true);
    layout->addWidget(note);
    auto* list = new QListWidget(&dialog);
    list->setAccessibleName(MessageText(prompt));
    QFont fixed = list->font();
    fixed.setFamily("monospace");  // the heights are right-aligned numbers
    list->setFont(fixed);
    for (const std::string& line : lines) list->addItem(Qs(line));
    if (!lines.empty()) list->setCurrentRow(static_cast<int>(preselected < lines.size() ? preselected : 0));
    layout->addWidget(list);
    auto* ok = new QPushButton("&Ok", &dialog);
    ok->setAccessibleName("Ok");
    ok->setDefault(true);
    layout->addWidget(ok, 0, Qt::AlignRight);
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    QObject::connect(list, &QListWidget::itemActivated, &dialog, &QDialog::accept);
    list->setFocus();
    // Esc and closing the window choose too: the form needs a height.
    dialog.exec();
    const int row = list->currentRow();
    return row < 0 ? preselected : static_cast<std::size_t>(row);
}

void QtUi::BeginWait()
{
    if (m_waitDepth++ == 0) QApplication::setOverrideCursor(Qt::WaitCursor);
}

void QtUi::EndWait()
{
    if (m_waitDepth == 0) return;
    if (--m_waitDepth == 0) QApplication::restoreOverrideCursor();
}

void QtUi::BeginProgress(const std::string& text)
{
    if (m_progressDepth++ > 0) return;
    // Shown only when the work lasts more than a moment; until then it waits unseen.
    auto* progress = new QProgressDialog(MessageText(text), QStringLiteral("Storno"), 0, 0, DialogParent());
    progress->setWindowTitle(QStringLiteral("Belvo"));
    progress->setWindowModality(Qt::ApplicationModal);
    progress->setMinimumDuration(kProgressDelayMs);
    progress->setAutoClose(false);
    progress->setAutoReset(false);
    progress->setAccessibleName(MessageText(text));
    progress->setValue(0);
    m_progress = progress;
    m_sinceUpdate.start();
    // The busy arrow: the program works, and "Storno" can be clicked.
    QApplication::setOverrideCursor(Qt::BusyCursor);
}

bool QtUi::ReportProgress(std::uint64_t done, std::uint64_t total)
{
    if (m_progress == nullptr) return false;
    if (m_sinceUpdate.elapsed() >= kProgressIntervalMs) {
        m_sinceUpdate.restart();
        if (total > 0) {
            constexpr int kSteps = 1000;
            m_progress->setMaximum(kSteps);
            m_progress->setValue(static_cast<int>(std::min<std::uint64_t>(done, total) * kSteps / total));
        } else {
            m_progress->setMaximum(0);  // how much there is to do is not known
        }
        // The click on "Storno" and the window's painting arrive here.
        QCoreApplication::processEvents();
    }
    return m_progress->wasCanceled();
}

void QtUi::EndProgress()
{
    if (m_progressDepth == 0) return;
    if (--m_progressDepth > 0) return;
    QApplication::restoreOverrideCursor();
    delete m_progress.data();
}

}  // namespace belvo::gui
