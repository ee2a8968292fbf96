// CPrvek: every node of the project tree (project, groups, walls, material elements). An element
// owns its children, stores itself, shows itself in the project tree, computes its items into a
// proposal and reports the materials the price list lacks. There is no parent pointer: every
// walk starts at the root.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "foundation/archive.h"
#include "foundation/decimal.h"
#include "model/tree_model.h"

namespace belvo {

class CNavrh;
class CMaterialList;
class FormHost;
class FormModel;
class SettingsStore;
class Ui;

// One line of the report of materials that the price list lacks.
struct CChybiMaterial {
    std::string Polozka;     // the element's name
    std::string ObjCislo;    // order number of the missing material
    std::string Material;    // the material text the element keeps
    std::string Nadpolozky;  // the element's path: ancestors' names and its own, joined by "::"

    friend bool operator==(const CChybiMaterial&, const CChybiMaterial&) = default;
};

// What a calculation may ask of its surroundings: the user (messages, the choice among
// alternative materials), the settings, and the separators with which numbers in messages are
// written (the system locale's).
struct CalcContext {
    Ui& ui;
    SettingsStore& settings;
    Separators separators;
};

class CPrvek : public CObject {
public:
    // The base of every element class's CRuntimeClass. CPrvek itself is never stored: it has no
    // factory and no registry lists it.
    static const CRuntimeClass classInfo;

    std::string Nazev;
    std::vector<std::unique_ptr<CPrvek>> Prvky;
    TreeItem hItem = kNoTreeItem;  // the element's item in the project tree; not stored

    // The element's editing form, edited in place through `host`; null for an element that has
    // no form of its own (the main window then shows its label).
    virtual std::unique_ptr<FormModel> VytvorDialog(FormHost& host);
    // Inserts the element's item as the last child of `parent`, then its children below it, with
    // the tree's number separators in their labels. Returns the new item, or kNoTreeItem when an
    // insertion failed.
    virtual TreeItem VlozDoStromu(ProjectTree& tree, TreeItem parent);
    // Adds the element's items to the proposal, then those of its children, with `label` as the
    // group label of the items (see CSkupina for how it changes on the way down).
    virtual void VypocetPolozek(CNavrh& navrh, const CMaterialList& materials, const std::string& label,
                                CalcContext& context) = 0;
    // Appends a record for every material the element refers to that `materials` lacks; `path`
    // is the path of the element's parent. Numbers in the records are written with `separators`.
    virtual void KontrolaCeniku(std::vector<CChybiMaterial>& missing, const std::string& path,
                                const CMaterialList& materials, const Separators& separators) const = 0;

    // The tree label (numbers written with `separators`) and the picture index of the element's
    // class.
    virtual std::string TreeLabel(const Separators&) const { return Nazev; }
    virtual int TreePicture() const = 0;

protected:
    // Stores or loads Prvky as an object list. Every entry must be an element (of any element
    // class the archive knows); anything else fails the load with the cause bad class.
    void SerializePrvky(CArchive& ar);
    // Helpers for the concrete classes: the children's share of the three walks.
    void ChildrenVypocetPolozek(CNavrh& navrh, const CMaterialList& materials, const std::string& label,
                                CalcContext& context);
    void ChildrenKontrolaCeniku(std::vector<CChybiMaterial>& missing, const std::string& path,
                                const CMaterialList& materials, const Separators& separators) const;
    // A record when `materials` lacks `objCislo`, the element's material shown as `materialText`;
    // `ownPath` is the element's own path (its parent's path, "::" and its name).
    void ZkontrolujMaterial(std::vector<CChybiMaterial>& missing, const std::string& ownPath,
                            const std::string& objCislo, const std::string& materialText,
                            const CMaterialList& materials) const;
    // The check of an element of one material, under its own path below `path`: ZkontrolujMaterial,
    // then the children.
    void KontrolaMaterialu(std::vector<CChybiMaterial>& missing, const std::string& path, const std::string& objCislo,
                           const std::string& materialText, const CMaterialList& materials,
                           const Separators& separators) const;
};

}  // namespace belvo
