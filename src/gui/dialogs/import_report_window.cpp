#include "gui/dialogs/import_report_window.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/qt_text.h"

namespace belvo::gui {

ImportReportWindow::ImportReportWindow(QWidget* owner) : QDialog(owner)
{
    setWindowTitle(QStringLiteral("Nezpracované položky"));
    setModal(false);
    auto* layout = new QVBoxLayout(this);
    m_text = new QPlainTextEdit(this);
    m_text->setReadOnly(true);
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);  // one line of the part list per line
    m_text->setAccessibleName(QStringLiteral("Nezpracované položky"));
    layout->addWidget(m_text);
    auto* buttons = new QHBoxLayout();
    buttons->addStretch(1);
    m_ok = new QPushButton(QStringLiteral("Ok"), this);
    m_ok->setAccessibleName(QStringLiteral("Ok"));
    m_ok->setDefault(true);
    buttons->addWidget(m_ok);
    layout->addLayout(buttons);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::close);
    resize(700, 350);
}

void ImportReportWindow::SetText(const std::string& text) { m_text->setPlainText(MessageText(text)); }

ImportReportWindow* ShowImportReport(QWidget* owner, const std::string& text)
{
    auto* window = owner != nullptr ? owner->findChild<ImportReportWindow*>(QString(), Qt::FindDirectChildrenOnly)
                                    : nullptr;
    if (window == nullptr) {
        window = new ImportReportWindow(owner);
        if (owner == nullptr) window->setAttribute(Qt::WA_DeleteOnClose);  // nobody else would destroy it
    }
    window->SetText(text);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

}  // namespace belvo::gui
