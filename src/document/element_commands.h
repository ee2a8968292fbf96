// The commands that change the project tree of the document: the insert commands of the menu
// "Vložit" (and of the second toolbar), the copy of a wall, the delete of an element or of a
// saved proposal, and the import of an Allplan part list into a new group. Each command has its
// enabling rule beside it; the desktop program asks it before it offers the command.
#pragma once

#include <memory>
#include <optional>
#include <span>
#include <string>

#include "model/tree_model.h"

namespace belvo {

class CBelvoDoc;
class CPrvek;

enum class InsertCommand {
    Skupina,
    Zed,
    Cihly,
    Vencovky,
    ObkladovePasky,
    OkrasneTvarovky,
    Trativodky,
    Dlazby,
    StropniNosniky,
    StropniVlozky,
    StropniPanely,
    Vyztuze,
    Kotvy,
    Preklady,
    RoletovePreklady,
    Polystyreny,
    MaltyAOmitky,
    VsechnyPolozky,
    Hurdis,
    PlotovaStriska,
    SalovaciDesky,
};

struct InsertCommandInfo {
    InsertCommand command;
    const char* menuText;
    // The group of the price list the command needs a material of; none for the commands that
    // need no group ("S&kupinu", "všechny ceníkové položky").
    std::optional<int> skupina;
    // The operation named in the second message of a failure.
    const char* operation;
};

// Every insert command, in the order of the enumeration.
std::span<const InsertCommandInfo> InsertCommands();
const InsertCommandInfo& InsertCommandDescription(InsertCommand command);

// The element an insert command makes, with its presets. `pametNosniku` is the remembered
// material text of the ceiling beams, which a new beam element starts with.
std::unique_ptr<CPrvek> NovyPrvek(InsertCommand command, const std::string& pametNosniku);

// The tree item that takes a new element when `selected` is selected: the item itself or its
// nearest ancestor that is the project (picture 0) or a group (picture 1). kNoTreeItem when
// nothing is selected.
TreeItem NajdiKontejner(const ProjectTree& tree, TreeItem selected);

// Whether the commands that add elements may run: the price list is not empty and the selected
// item lies in the project (not under "Návrhy").
bool VybranoVProjektu(const CBelvoDoc& doc);

// An insert command is enabled when VybranoVProjektu holds and the price list has a material of
// the command's group (when the command needs one).
bool InsertEnabled(const CBelvoDoc& doc, InsertCommand command);
// Marks the document modified and, when the open editor agrees to close, appends the new element
// to the container of the selection, selects it and opens its editor. A failure is reported with
// the command's operation name; what was done before it stays.
void Insert(CBelvoDoc& doc, InsertCommand command);

// "Kopie vybrané zdi": enabled like "&Zeď" and only while a wall is selected.
bool KopieZdiEnabled(const CBelvoDoc& doc);
// A new wall with the construction of the selected one (thickness, height, brick, mortars,
// plaster, corners, perlite courses and a copy of each plinth section); its length, openings,
// slants, count, name and description are those of a new wall. It goes into the container of
// the selected wall.
void KopieZdi(CBelvoDoc& doc);

// "Zrušit prvek": enabled when the selected item is neither a project nor "Návrhy".
bool ZrusitEnabled(const CBelvoDoc& doc);
// Deletes the selected element with its whole subtree, or the selected saved proposal, after
// the user has confirmed it. The open editor is closed first, so it can never hold a deleted
// element. A failure is dropped.
void ZrusitPrvek(CBelvoDoc& doc);

// "Allplan (csv)": enabled like the insert commands that need no group.
bool ImportAllplanEnabled(const CBelvoDoc& doc);
// Reads the part list the user chooses into a new group in the container of the selection,
// selects the group and opens its editor, and shows the lines that matched nothing in the
// window "Nezpracované položky". The document becomes modified. A file that cannot be read is
// reported with its own message and changes nothing.
void ImportAllplan(CBelvoDoc& doc);

// The filter of the part list's file dialog.
inline constexpr const char* kAllplanFilter = "Allplan (*.csv);;Vše (*.*)";

}  // namespace belvo
