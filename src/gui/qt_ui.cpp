#include "gui/qt_ui.h"

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
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "gui/qt_text.h"

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

}  // namespace

QWidget* QtUi::DialogParent() const
{
    if (QWidget* active = QApplication::activeModalWidget()) return active;
    if (QWidget* active = QApplication::activeWindow()) return active;
    return m_fallbackParent.data();
}

Answer QtUi::Message(const std::string& text, const std::string& caption, MessageIcon icon, MessageButtons buttons)
{
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
    if (m_waitDepth > 0) QApplication::setOverrideCursor(Qt::ArrowCursor);
    const int result = box.exec();
    if (m_waitDepth > 0) QApplication::restoreOverrideCursor();
    return AnswerOf(result);
}

std::optional<std::size_t> QtUi::ChooseFromList(const std::string& title, const std::string& prompt,
                                                const std::vector<std::string>& lines,
                                                std::optional<std::size_t> preselected)
{
    QDialog dialog(DialogParent());
    dialog.setWindowTitle(Qs(title));
    auto* layout = new QVBoxLayout(&dialog);
    if (!prompt.empty()) layout->addWidget(new QLabel(MessageText(prompt), &dialog));
    auto* list = new QListWidget(&dialog);
    list->setAccessibleName(Qs(title));
    for (const std::string& line : lines) list->addItem(Qs(line));
    if (!lines.empty()) list->setCurrentRow(preselected && *preselected < lines.size() ? static_cast<int>(*preselected) : 0);
    layout->addWidget(list);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    buttons->button(QDialogButtonBox::Ok)->setText("OK");
    buttons->button(QDialogButtonBox::Cancel)->setText("Storno");
    layout->addWidget(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(list, &QListWidget::itemActivated, &dialog, &QDialog::accept);
    list->setFocus();
    if (dialog.exec() != QDialog::Accepted || list->currentRow() < 0) return std::nullopt;
    return static_cast<std::size_t>(list->currentRow());
}

std::optional<std::string> QtUi::PromptText(const std::string& title, const std::string& prompt,
                                            const std::string& initial)
{
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
    const QString path = QFileDialog::getOpenFileName(DialogParent(), Qs(title), Qs(initialPath), Qs(filter));
    if (path.isEmpty()) return std::nullopt;
    return Us(path);
}

std::optional<std::string> QtUi::SaveFileName(const std::string& title, const std::string& filter,
                                              const std::string& initialPath)
{
    const QString path = QFileDialog::getSaveFileName(DialogParent(), Qs(title), Qs(initialPath), Qs(filter));
    if (path.isEmpty()) return std::nullopt;
    return Us(path);
}

std::optional<Credentials> QtUi::AskCredentials(const std::string& where)
{
    QDialog dialog(DialogParent());
    dialog.setWindowTitle("Přihlášení");
    auto* layout = new QFormLayout(&dialog);
    layout->addRow(new QLabel(MessageText(where), &dialog));
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
    buttons->button(QDialogButtonBox::Ok)->setText("OK");
    buttons->button(QDialogButtonBox::Cancel)->setText("Storno");
    layout->addRow(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return Credentials{Us(user->text()), Us(password->text())};
}

void QtUi::ShowTable(const TableDialog& table)
{
    QDialog dialog(DialogParent());
    dialog.setWindowTitle(Qs(table.title));
    auto* layout = new QVBoxLayout(&dialog);
    auto* grid = new QTableWidget(static_cast<int>(table.rows.size()), static_cast<int>(table.columns.size()), &dialog);
    grid->setAccessibleName(Qs(table.title));
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (int c = 0; c < static_cast<int>(table.columns.size()); ++c) {
        grid->setHorizontalHeaderItem(c, new QTableWidgetItem(Qs(table.columns[c].header)));
        grid->setColumnWidth(c, table.columns[c].width);
        if (table.columns[c].width <= 1) grid->setColumnHidden(c, true);
    }
    for (int r = 0; r < static_cast<int>(table.rows.size()); ++r)
        for (int c = 0; c < static_cast<int>(table.rows[r].size()) && c < grid->columnCount(); ++c)
            grid->setItem(r, c, new QTableWidgetItem(Qs(table.rows[r][c])));
    grid->verticalHeader()->setVisible(table.leadingColumnWidth > 0);
    layout->addWidget(grid);
    if (!table.note.empty()) layout->addWidget(new QLabel(MessageText(table.note), &dialog));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &dialog);
    buttons->button(QDialogButtonBox::Ok)->setText("OK");
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    layout->addWidget(buttons);
    dialog.resize(900, 500);
    dialog.exec();
}

std::size_t QtUi::ChooseHeight(const std::string& prompt, const std::vector<std::string>& lines, std::size_t preselected)
{
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

}  // namespace belvo::gui
