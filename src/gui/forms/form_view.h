// The one view of every editing form: it renders a FormModel's fields in tab order (labels with
// their mnemonics, units, titled sections, the form's own buttons) and carries the protocol of
// the forms:
// - a field is checked when the focus leaves it for another control of the same form, never when
//   the focus goes to "&Zpět" (or "&Storno"), so the user can always go back; a bad value is told
//   once and the focus returns to its field;
// - clicking a check box, radio button or button, and changing a list or tab, lets the model
//   react (and checks that control);
// - Enter moves to the next control and saves on "&Ulož" (confirms on "OK"); Esc is "&Zpět";
// - the close request saves and refuses while a value is invalid.
// After every call into the model the view shows all fields again, as the model may change any.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <vector>

#include <QLabel>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include "model/form_model.h"

class QPushButton;

namespace belvo::gui {

class FormView : public QWidget {
    Q_OBJECT
public:
    // The view owns the model, or shows one that outlives it.
    explicit FormView(std::unique_ptr<FormModel> model, QWidget* parent = nullptr);
    explicit FormView(FormModel& model, QWidget* parent = nullptr);
    ~FormView() override;

    FormModel& Model() { return *m_model; }
    // Opens the form (loads its values): false when the element cannot be edited and is to be
    // removed again (deleteRequested has been emitted).
    bool Open();
    // The close request of the main window before it shows another element: saves, and answers
    // whether the form may close. While a value is invalid it refuses; when the user chose to
    // delete the element, deleteRequested is emitted and the answer is no.
    bool RequestClose();
    // "&Zpět": shows the stored values again.
    void Back();
    // "&Ulož" (or "OK"): true when saved.
    bool Save();

    // The element was to be deleted but stays (the user declined): checks start again.
    void Rearm();

    // The control of a field, its label, and the form's own buttons (for tests and screen readers).
    QWidget* Control(int id) const;
    QPushButton* SaveButton() const { return m_save; }
    // The controls in tab order, the form's own buttons last.
    const std::vector<QWidget*>& TabOrder() const { return m_order; }
    QPushButton* BackButton() const { return m_back; }
    // Whether a focus change now starts a check (false while a check is pending or the element is
    // about to be deleted).
    bool CheckingArmed() const { return m_armed; }

signals:
    // The element is to be deleted: the host selects its item and runs "Zrušit prvek".
    void deleteRequested(TreeItem item);
    // A modal dialog's "OK" saved the form, or its "&Storno" was pressed.
    void accepted();
    void rejected();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Build();
    QWidget* MakeControl(FormField& field);
    // Model → widgets, every field; signals of the widgets are blocked meanwhile.
    void ShowFields();
    // Widgets → model: the texts, checks and selections the user changed.
    void ReadFields();
    void OnFocusChanged(QWidget* old, QWidget* now);
    void OnActivated(int id);
    void RunCheck(int id);
    void Refocus(int id);
    // The field whose control is `widget` (or contains it).
    std::optional<int> FieldOf(QWidget* widget) const;
    bool IsOwnControl(QWidget* widget) const;
    void CancelPendingCheck();
    void HandleDelete();

    std::unique_ptr<FormModel> m_owned;
    FormModel* m_model;
    std::map<int, QPointer<QWidget>> m_controls;
    std::map<int, QPointer<QLabel>> m_labels;
    std::map<int, QPointer<QLabel>> m_units;
    std::vector<QWidget*> m_order;  // the controls and the form's buttons in tab order
    QTimer m_checkTimer;            // posts the check of a field that was left
    std::optional<int> m_pendingCheck;
    QPushButton* m_save = nullptr;
    QPushButton* m_back = nullptr;
    std::optional<int> m_lastField;
    bool m_armed = true;
    bool m_deleting = false;
    bool m_showing = false;
};

}  // namespace belvo::gui
