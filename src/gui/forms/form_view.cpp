#include "gui/forms/form_view.h"

#include <algorithm>

#include <QAbstractItemView>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTextDocument>
#include <QTimer>
#include <QValidator>
#include <QVBoxLayout>

#include "gui/qt_text.h"

namespace belvo::gui {

namespace {

// Lets into a number field only what a number may be made of while it is typed.
class NumberValidator : public QValidator {
public:
    NumberValidator(Separators separators, QObject* parent) : QValidator(parent), m_separators(std::move(separators)) {}
    State validate(QString& input, int&) const override
    {
        return IsNumberFieldText(Us(input), m_separators) ? Acceptable : Invalid;
    }

private:
    Separators m_separators;
};

bool IsEnter(const QKeyEvent* key)
{
    return (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
           (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

}  // namespace

FormView::FormView(std::unique_ptr<FormModel> model, QWidget* parent) : FormView(*model, parent)
{
    m_owned = std::move(model);
}

FormView::FormView(FormModel& model, QWidget* parent) : QWidget(parent), m_model(&model)
{
    setAccessibleName(Qs(m_model->Title()));
    m_checkTimer.setSingleShot(true);
    m_checkTimer.setInterval(0);
    connect(&m_checkTimer, &QTimer::timeout, this, [this] {
        if (m_pendingCheck) RunCheck(*m_pendingCheck);
    });
    Build();
    connect(qApp, &QApplication::focusChanged, this, &FormView::OnFocusChanged);
}

FormView::~FormView()
{
    // The focus moves while the child widgets are destroyed; the application must not call
    // back into a view that is no longer one.
    disconnect(qApp, nullptr, this, nullptr);
}

// --- Building ------------------------------------------------------------------------------------

void FormView::Build()
{
    auto* outer = new QVBoxLayout(this);
    auto* grid = new QGridLayout();
    outer->addLayout(grid);
    QBoxLayout* container = outer;  // where a tab bar and its page go: the form or its titled box
    int row = -1;
    int column = 0;

    std::vector<FormField>& fields = const_cast<std::vector<FormField>&>(m_model->Fields());
    for (std::size_t index = 0; index < fields.size(); ++index) {
        FormField& field = fields[index];
        // The last field of its line reaches to the right edge, unless a unit follows it or it
        // is a button.
        const FormField* next = index + 1 < fields.size() ? &fields[index + 1] : nullptr;
        const bool lastOnLine = next == nullptr || !next->besidePrevious || next->section || next->kind == FieldKind::Tabs;
        const int span = lastOnLine && field.unit.empty() && field.kind != FieldKind::Button ? -1 : 1;
        if (field.section) {
            if (field.section->empty()) {
                grid = new QGridLayout();
                outer->addLayout(grid);
                container = outer;
            } else {
                auto* box = new QGroupBox(Qs(*field.section), this);
                auto* boxColumn = new QVBoxLayout(box);
                grid = new QGridLayout();
                boxColumn->addLayout(grid);
                outer->addWidget(box);
                container = boxColumn;
            }
            row = -1;
        }
        if (field.kind == FieldKind::Tabs) {
            // The tab bar heads a framed page that holds the fields after it.
            auto* tabColumn = new QVBoxLayout();
            tabColumn->setSpacing(0);
            tabColumn->addWidget(MakeControl(field));
            auto* page = new QFrame(this);
            page->setFrameShape(QFrame::StyledPanel);
            grid = new QGridLayout(page);
            tabColumn->addWidget(page);
            container->addLayout(tabColumn);
            row = -1;
            continue;
        }
        if (!field.besidePrevious || row < 0) {
            ++row;
            column = 0;
        } else {
            column += 3;
        }

        QWidget* control = MakeControl(field);
        const bool ownText = field.kind == FieldKind::CheckBox || field.kind == FieldKind::Radio ||
                             field.kind == FieldKind::Button;
        if (!ownText && !field.label.empty()) {
            auto* label = new QLabel(Qs(field.label), this);
            label->setBuddy(control);
            m_labels[field.id] = label;
            const Qt::Alignment top = field.kind == FieldKind::MultiLineText || field.kind == FieldKind::List ||
                                              field.kind == FieldKind::CheckList
                                          ? Qt::AlignTop
                                          : Qt::Alignment();
            grid->addWidget(label, row, column, top);
            grid->addWidget(control, row, column + 1, 1, span);
        } else if (field.kind == FieldKind::Button && field.besidePrevious) {
            // A button beside its field, as wide as its text needs.
            control->setFixedWidth(control->fontMetrics().horizontalAdvance(Qs(field.label)) +
                                   2 * control->fontMetrics().height());
            grid->addWidget(control, row, column, 1, span, Qt::AlignLeft);
        } else {
            // A button of its own line keeps the width of its text, as buttons do.
            grid->addWidget(control, row, column, 1, span < 0 ? -1 : 2,
                            field.kind == FieldKind::Button ? Qt::AlignLeft : Qt::Alignment());
        }
        if (!field.unit.empty()) {
            auto* unit = new QLabel(Qs(field.unit), this);
            m_units[field.id] = unit;
            grid->addWidget(unit, row, column + 2);
        }
    }

    if (m_model->Buttons() != FormButtons::None) {
        auto* buttons = new QHBoxLayout();
        buttons->addStretch(1);
        const bool dialog = m_model->Buttons() == FormButtons::OkCancel;
        m_save = new QPushButton(dialog ? QStringLiteral("OK") : Qs(kSaveButtonText), this);
        m_back = new QPushButton(dialog ? QStringLiteral("&Storno") : Qs(kBackButtonText), this);
        for (QPushButton* button : {m_save, m_back}) {
            button->setAccessibleName(button->text().remove(QLatin1Char('&')));
            button->setAutoDefault(false);
            button->installEventFilter(this);
            buttons->addWidget(button);
            m_order.push_back(button);
        }
        connect(m_save, &QPushButton::clicked, this, [this] { Save(); });
        connect(m_back, &QPushButton::clicked, this, [this] {
            if (m_model->Buttons() == FormButtons::OkCancel)
                emit rejected();
            else
                Back();
        });
        outer->addLayout(buttons);
    }
    outer->addStretch(1);

    // The tab order is the order of the fields, then the form's own buttons.
    for (std::size_t i = 1; i < m_order.size(); ++i) QWidget::setTabOrder(m_order[i - 1], m_order[i]);
    installEventFilter(this);
    ShowFields();
}

QWidget* FormView::MakeControl(FormField& field)
{
    const int id = field.id;
    QWidget* control = nullptr;
    switch (field.kind) {
    case FieldKind::Text:
    case FieldKind::ReadOnly: {
        auto* edit = new QLineEdit(this);
        if (field.kind == FieldKind::ReadOnly || field.readOnly) {
            // Shown as text on the form, still selectable and copied like any field.
            edit->setReadOnly(true);
            edit->setFrame(false);
            QPalette palette = edit->palette();
            palette.setColor(QPalette::Base, palette.color(QPalette::Window));
            edit->setPalette(palette);
        }
        control = edit;
        break;
    }
    case FieldKind::Number: {
        auto* edit = new QLineEdit(this);
        edit->setAlignment(Qt::AlignRight);
        edit->setValidator(new NumberValidator(m_model->NumberSeparators(), edit));
        control = edit;
        break;
    }
    case FieldKind::MultiLineText: {
        auto* edit = new QPlainTextEdit(this);
        edit->setTabChangesFocus(true);
        edit->setReadOnly(field.readOnly);
        const int margins = 2 * (edit->frameWidth() + static_cast<int>(edit->document()->documentMargin()));
        edit->setMinimumHeight(fontMetrics().lineSpacing() * 3 + margins);
        edit->setMaximumHeight(fontMetrics().lineSpacing() * 6 + margins);
        control = edit;
        break;
    }
    case FieldKind::CheckBox: {
        auto* box = new QCheckBox(Qs(field.label), this);
        connect(box, &QCheckBox::clicked, this, [this, id] { OnActivated(id); });
        control = box;
        break;
    }
    case FieldKind::Radio: {
        auto* radio = new QRadioButton(Qs(field.label), this);
        radio->setAutoExclusive(false);  // the model decides, per group
        connect(radio, &QRadioButton::clicked, this, [this, id] { OnActivated(id); });
        control = radio;
        break;
    }
    case FieldKind::Choice: {
        auto* combo = new QComboBox(this);
        connect(combo, &QComboBox::activated, this, [this, id] { OnActivated(id); });
        control = combo;
        break;
    }
    case FieldKind::List:
    case FieldKind::CheckList: {
        auto* list = new QListWidget(this);
        if (field.kind == FieldKind::CheckList)
            connect(list, &QListWidget::itemChanged, this, [this, id] { OnActivated(id); });
        else
            connect(list, &QListWidget::currentRowChanged, this, [this, id] { OnActivated(id); });
        control = list;
        break;
    }
    case FieldKind::Tabs: {
        auto* bar = new QTabBar(this);
        bar->setFocusPolicy(Qt::StrongFocus);
        bar->setDrawBase(false);
        bar->setExpanding(false);
        connect(bar, &QTabBar::currentChanged, this, [this, id] { OnActivated(id); });
        control = bar;
        break;
    }
    case FieldKind::Button: {
        auto* button = new QPushButton(Qs(field.label), this);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, id] { OnActivated(id); });
        control = button;
        break;
    }
    }
    control->setAccessibleName(field.accessibleName.empty() ? AccessibleName(field.label) : Qs(field.accessibleName));
    control->installEventFilter(this);
    m_controls[id] = control;
    m_order.push_back(control);
    return control;
}

// --- Model and widgets ---------------------------------------------------------------------------

void FormView::ShowFields()
{
    m_showing = true;
    for (const FormField& field : m_model->Fields()) {
        QWidget* control = m_controls[field.id];
        if (control == nullptr) continue;
        const QSignalBlocker block(control);
        const QString text = Qs(field.text);
        switch (field.kind) {
        case FieldKind::Text:
        case FieldKind::ReadOnly:
        case FieldKind::Number: {
            auto* edit = static_cast<QLineEdit*>(control);
            if (edit->text() == text) break;
            // A check may change the field the user has just tabbed into: it stays selected, so
            // what the user types replaces the new value as it would have replaced the old one.
            const bool wholeSelected = edit->hasFocus() && edit->hasSelectedText() && edit->selectedText() == edit->text();
            edit->setText(text);
            if (wholeSelected) edit->selectAll();
            break;
        }
        case FieldKind::MultiLineText: {
            auto* edit = static_cast<QPlainTextEdit*>(control);
            if (edit->toPlainText() != text) edit->setPlainText(text);
            break;
        }
        case FieldKind::CheckBox:
        case FieldKind::Radio: static_cast<QAbstractButton*>(control)->setChecked(field.checked); break;
        case FieldKind::Choice: {
            auto* combo = static_cast<QComboBox*>(control);
            QStringList entries;
            for (const std::string& entry : field.entries) entries << Qs(entry);
            QStringList shown;
            for (int i = 0; i < combo->count(); ++i) shown << combo->itemText(i);
            if (shown != entries) {
                combo->clear();
                combo->addItems(entries);
            }
            combo->setCurrentIndex(field.selected);
            break;
        }
        case FieldKind::List:
        case FieldKind::CheckList: {
            auto* list = static_cast<QListWidget*>(control);
            bool same = list->count() == static_cast<int>(field.entries.size());
            for (int i = 0; same && i < list->count(); ++i) same = list->item(i)->text() == Qs(field.entries[static_cast<std::size_t>(i)]);
            if (!same) {
                list->clear();
                for (const std::string& entry : field.entries) list->addItem(Qs(entry));
                // Tall enough for its entries, up to ten of them.
                const int shown = std::clamp(list->count(), 3, 10);
                list->setMinimumHeight(shown * std::max(list->sizeHintForRow(0), fontMetrics().height()) +
                                       2 * list->frameWidth() + 4);
            }
            if (field.kind == FieldKind::CheckList) {
                for (int i = 0; i < list->count(); ++i) {
                    QListWidgetItem* item = list->item(i);
                    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
                    const bool checked = static_cast<std::size_t>(i) < field.checks.size() && field.checks[static_cast<std::size_t>(i)];
                    item->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
                }
            } else {
                list->setCurrentRow(field.selected);
            }
            break;
        }
        case FieldKind::Tabs: {
            auto* bar = static_cast<QTabBar*>(control);
            while (bar->count() > static_cast<int>(field.entries.size())) bar->removeTab(bar->count() - 1);
            for (std::size_t i = 0; i < field.entries.size(); ++i) {
                if (static_cast<int>(i) < bar->count())
                    bar->setTabText(static_cast<int>(i), Qs(field.entries[i]));
                else
                    bar->addTab(Qs(field.entries[i]));
            }
            if (field.selected >= 0) bar->setCurrentIndex(field.selected);
            break;
        }
        case FieldKind::Button: static_cast<QPushButton*>(control)->setText(Qs(field.label)); break;
        }
        control->setEnabled(field.enabled);
        control->setVisible(field.visible);
        if (QLabel* label = m_labels.count(field.id) ? m_labels[field.id].data() : nullptr) label->setVisible(field.visible);
        if (QLabel* unit = m_units.count(field.id) ? m_units[field.id].data() : nullptr) {
            unit->setText(Qs(field.unit));
            unit->setVisible(field.visible);
        }
    }
    m_showing = false;
}

void FormView::ReadFields()
{
    for (const FormField& shown : m_model->Fields()) {
        FormField& field = m_model->Field(shown.id);
        QWidget* control = m_controls[field.id];
        if (control == nullptr || field.readOnly) continue;
        switch (field.kind) {
        case FieldKind::Text:
        case FieldKind::Number: field.text = Us(static_cast<QLineEdit*>(control)->text()); break;
        case FieldKind::MultiLineText: field.text = Us(static_cast<QPlainTextEdit*>(control)->toPlainText()); break;
        case FieldKind::CheckBox:
        case FieldKind::Radio: field.checked = static_cast<QAbstractButton*>(control)->isChecked(); break;
        case FieldKind::Choice: field.selected = static_cast<QComboBox*>(control)->currentIndex(); break;
        case FieldKind::List: field.selected = static_cast<QListWidget*>(control)->currentRow(); break;
        case FieldKind::CheckList: {
            auto* list = static_cast<QListWidget*>(control);
            field.checks.assign(static_cast<std::size_t>(list->count()), false);
            for (int i = 0; i < list->count(); ++i)
                field.checks[static_cast<std::size_t>(i)] = list->item(i)->checkState() == Qt::Checked;
            break;
        }
        case FieldKind::Tabs: field.selected = static_cast<QTabBar*>(control)->currentIndex(); break;
        case FieldKind::ReadOnly:
        case FieldKind::Button: break;
        }
    }
}

// --- The protocol --------------------------------------------------------------------------------

bool FormView::Open()
{
    const FormOutcome outcome = m_model->Open();
    ShowFields();
    if (outcome == FormOutcome::Delete) {
        HandleDelete();
        return false;
    }
    return true;
}

void FormView::CancelPendingCheck()
{
    m_checkTimer.stop();
    m_pendingCheck.reset();
    if (!m_deleting) m_armed = true;
}

bool FormView::RequestClose()
{
    CancelPendingCheck();
    ReadFields();
    const FormOutcome outcome = m_model->Save(m_lastField);
    ShowFields();
    switch (outcome) {
    case FormOutcome::Done: return true;
    case FormOutcome::Delete: HandleDelete(); return false;
    case FormOutcome::Refused: break;
    }
    setFocus(Qt::OtherFocusReason);
    return false;
}

bool FormView::Save()
{
    if (!RequestClose()) return false;
    emit accepted();
    return true;
}

void FormView::Back()
{
    CancelPendingCheck();
    m_model->Back();
    ShowFields();
}

void FormView::OnFocusChanged(QWidget* old, QWidget* now)
{
    if (!m_armed || m_showing || m_deleting) return;
    const std::optional<int> left = FieldOf(old);
    if (!left || !IsOwnControl(now)) return;  // only a move between controls of this form
    if (now == m_back) return;                // the user can always go back
    m_lastField = left;
    m_armed = false;
    m_pendingCheck = left;
    m_checkTimer.start();
}

void FormView::OnActivated(int id)
{
    if (m_showing) return;
    ReadFields();
    m_lastField = id;
    m_model->Activate(id);
    ShowFields();
    // A click is checked like a field that is left.
    if (m_armed && !m_deleting) {
        m_armed = false;
        m_pendingCheck = id;
        m_checkTimer.start();
    }
}

void FormView::RunCheck(int id)
{
    m_pendingCheck.reset();
    ReadFields();
    const bool valid = m_model->Validate(id);
    ShowFields();
    if (!valid) Refocus(id);
    if (!m_deleting) m_armed = true;
}

void FormView::Refocus(int id)
{
    QWidget* control = Control(id);
    if (control == nullptr) return;
    control->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(control)) edit->selectAll();
}

void FormView::Rearm()
{
    m_deleting = false;
    m_armed = true;
}

void FormView::HandleDelete()
{
    m_deleting = true;
    m_armed = false;
    m_checkTimer.stop();
    emit deleteRequested(m_model->Item());
}

QWidget* FormView::Control(int id) const
{
    const auto found = m_controls.find(id);
    return found == m_controls.end() ? nullptr : found->second.data();
}

std::optional<int> FormView::FieldOf(QWidget* widget) const
{
    for (; widget != nullptr && widget != this; widget = widget->parentWidget())
        for (const auto& [id, control] : m_controls)
            if (control == widget) return id;
    return std::nullopt;
}

bool FormView::IsOwnControl(QWidget* widget) const
{
    return widget != nullptr && (widget == m_save || widget == m_back || FieldOf(widget).has_value());
}

bool FormView::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier) {
        if (m_model->Buttons() == FormButtons::OkCancel)
            emit rejected();
        else
            Back();
        return true;
    }
    if (!IsEnter(key)) return QWidget::eventFilter(watched, event);
    if (qobject_cast<QPlainTextEdit*>(watched) != nullptr) return false;  // a new line in a text of lines
    if (auto* combo = qobject_cast<QComboBox*>(watched); combo != nullptr && combo->view()->isVisible()) return false;
    if (watched == m_save) {
        Save();
        return true;
    }
    // Enter moves to the next control that can take the focus (the first one from the form itself).
    auto current = std::find(m_order.begin(), m_order.end(), watched);
    const auto usable = [](QWidget* w) { return w != nullptr && w->isVisible() && w->isEnabled() && w->focusPolicy() != Qt::NoFocus; };
    auto next = current == m_order.end() ? m_order.begin() : current + 1;
    for (; next != m_order.end(); ++next)
        if (usable(*next)) break;
    if (next != m_order.end()) (*next)->setFocus(Qt::TabFocusReason);
    return true;
}

}  // namespace belvo::gui
