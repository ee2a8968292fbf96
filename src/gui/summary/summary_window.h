// The summary window of one proposal: a top-level window with the menus "&Návrh", "&Tisk",
// "&Zaokrouhlování", "Ná&hled" and "&do HTML", the check box "s DPH", the number fields of the
// totals with their currency, the price-list label and the logo, and the tabs "materiál   " and
// "obaly   " with the item and pallet tables. Everything it shows and does is the engine's
// CPrehledForm; the window forwards the user's edits and commands and shows the result.
#pragma once

#include <map>
#include <memory>
#include <vector>

#include <QMainWindow>

#include "proposal/prehled_form.h"

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPrinter;
class QPushButton;
class QTabWidget;

namespace belvo::gui {

class PrintPreview;
class SummaryTableModel;
class SummaryTableView;

class SummaryWindow : public QMainWindow {
    Q_OBJECT
public:
    // The window owns the form (and so the proposal). `ui` asks the user; `automaticRounding`
    // is the request of a freshly computed proposal.
    SummaryWindow(std::unique_ptr<CPrehledForm> form, Ui& ui, bool automaticRounding, QWidget* parent = nullptr);
    ~SummaryWindow() override;

    CPrehledForm& Form() { return *m_form; }

    // The number fields of the window.
    enum class Field { Dph, Sleva, Zbozi, CenaZbozi, Ztrata, Obaly, CenaObalu, CenaDopravy };
    QLineEdit* NumberField(Field field) const { return m_fields.at(field); }
    QLabel* PriceListLabel() const { return m_priceList; }
    QCheckBox* VatBox() const { return m_vat; }
    QPushButton* TransportButton() const { return m_transport; }
    QTabWidget* Tabs() const { return m_tabs; }
    SummaryTableView* ItemTable() const { return m_itemTable; }
    SummaryTableView* PalletTable() const { return m_palletTable; }

    struct Commands {
        QAction* save = nullptr;         // "&Uložit do projektu"
        QAction* message = nullptr;      // "&Poselství"
        QAction* exportXml = nullptr;    // "&Export do XML"
        QAction* print = nullptr;        // "&Tisk ..."
        QAction* printCopy = nullptr;    // "&Opis tabulky"
        QAction* pdf = nullptr;          // "Uložit jako &PDF ..."
        QAction* roundAll = nullptr;     // "Zaokrou&hli vše"
        QAction* unroundAll = nullptr;   // "Odzaokrouhli &vše"
        QAction* roundOne = nullptr;     // "&Zaokrouhli položku"
        QAction* unroundOne = nullptr;   // "&Odzaokrouhli položku"
        QAction* preview = nullptr;      // "&Náhled"
        QAction* previewCopy = nullptr;  // "&Opis tabulky" of "Ná&hled"
        QAction* htmlSave = nullptr;     // "&Uložit" of "&do HTML"
        QAction* htmlShow = nullptr;     // "&Zobrazit"
    };
    const Commands& Actions() const { return m_actions; }

    // Makes a tab current as a click on it does (the change recomputes).
    void SelectTab(int tab);
    // Ends an open cell edit in either table; its text goes to the engine.
    void EndEditing();

    enum class PrintMode { Report, TableCopy };
    // Draws the report or the table copy on a printer that is set up already (the print dialog
    // has been shown). Raises the failure of the job.
    void PrintOn(QPrinter& printer, PrintMode mode);
    // The preview of the report or the table copy, not yet shown; its print button is left to
    // the caller. Used by the preview commands and by the screenshots.
    std::unique_ptr<PrintPreview> MakePreview(QPrinter& printer, PrintMode mode);
    // Whether the window may close: with unsaved edits the user is asked whether to save them
    // into the project first (see CPrehledForm::MuzeZavrit).
    bool QueryClose();
    // Closes the window without the question about unsaved edits.
    void CloseWithoutAsking();

signals:
    // The window has accepted to close.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildMenus();
    QWidget* BuildFields();
    QLineEdit* AddNumberField(Field field, const QString& name, const QColor& text);
    // Runs a command of the window: cell editing ended first, the window refreshed afterwards.
    template <class Work>
    void Run(Work&& work);
    // Shows what the engine holds now: changed cells, the number fields, the check box, the
    // title's mark of unsaved edits and the enabling of the rounding commands.
    void Refresh();
    void UpdateActions();
    void OnTabChanged(int tab);
    bool RunDialog(FormModel& model);
    void Print(PrintMode mode);
    void Preview(PrintMode mode);
    void SavePdf();

    std::unique_ptr<CPrehledForm> m_form;
    Ui& m_ui;
    std::unique_ptr<SummaryTableModel> m_itemModel;
    std::unique_ptr<SummaryTableModel> m_palletModel;
    SummaryTableView* m_itemTable = nullptr;
    SummaryTableView* m_palletTable = nullptr;
    QTabWidget* m_tabs = nullptr;
    QCheckBox* m_vat = nullptr;
    QPushButton* m_transport = nullptr;
    QLabel* m_priceList = nullptr;
    std::map<Field, QLineEdit*> m_fields;
    std::vector<QLabel*> m_currencyLabels;
    Commands m_actions;
    bool m_closeWithoutAsking = false;
};

}  // namespace belvo::gui
