#include "gui/icons.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>

#include <array>

#include "document/belvo_doc.h"
#include "materials/cihly.h"
#include "materials/delka.h"
#include "materials/dlazba.h"
#include "materials/kusy.h"
#include "materials/pasky.h"
#include "materials/strop.h"
#include "materials/tvarovky.h"

// The resources live in the static library belvo_gui; registering them here, where the icons
// are asked for, keeps the linker from dropping them from a program that links the library.
static void InitIconResources() { Q_INIT_RESOURCE(belvo_icons); }

namespace belvo::gui {
namespace {

struct TreePicture {
    int index;
    const char* file;
};

// The pictures by the indices the tree items carry. The project, the group and the wall give
// theirs in their TreePicture; the saved proposals are 24 (the whole project) and 25 (a part).
constexpr std::array kTreePictures{
    TreePicture{0, "project"},
    TreePicture{1, "group"},
    TreePicture{kProposalsPicture, "proposals"},
    TreePicture{3, "wall"},
    TreePicture{CCihly::kObrazek, "bricks"},
    TreePicture{kObrazekDlazba, "paving"},
    TreePicture{CTvarovky::kObrazek, "shaped-bricks"},
    TreePicture{kObrazekVencovky, "ring-beam-bricks"},
    TreePicture{kObrazekPlotoveStrisky, "fence-cap"},
    TreePicture{kObrazekTrativodky, "drainage-pipes"},
    TreePicture{CPasky::kObrazek, "facing-strips"},
    TreePicture{CHurdis::kObrazek, "hurdis"},
    TreePicture{kObrazekStropniNosniky, "ceiling-beams"},
    TreePicture{CVelto::kObrazek, "ceiling-inserts"},
    TreePicture{kObrazekPreklady, "lintels"},
    TreePicture{kObrazekRoletovePreklady, "shutter-lintels"},
    TreePicture{kObrazekSalovaciDesky, "formwork-boards"},
    TreePicture{kObrazekMalta, "mortars"},
    TreePicture{kObrazekVsechnyPolozky, "all-items"},
    TreePicture{kObrazekStropniPanely, "ceiling-panels"},
    TreePicture{24, "proposal-whole"},
    TreePicture{25, "proposal-part"},
    TreePicture{kObrazekPolystyreny, "polystyrene"},
    TreePicture{kObrazekVyztuze, "reinforcement"},
    TreePicture{kObrazekKotvy, "anchors"},
};

constexpr std::array kActionNames{"new",  "open", "save", "pricelist", "proposal-quick", "proposal-selection",
                                  "proposal-whole", "wall-copy", "delete", "help", "about", "calculator"};

// Every item of a tree asks for its picture on every paint, so each picture is loaded (and
// rendered at a size) once. The icons go with the application object: their engines come from
// a plugin, which must not outlive it.
QHash<QString, QIcon>* g_icons = nullptr;

void ForgetIcons()
{
    delete g_icons;
    g_icons = nullptr;
}

QIcon Load(const QString& path)
{
    if (g_icons == nullptr) {
        static const bool registered = [] {
            InitIconResources();
            return true;
        }();
        (void)registered;
        g_icons = new QHash<QString, QIcon>;
        qAddPostRoutine(ForgetIcons);
    }
    const auto found = g_icons->constFind(path);
    if (found != g_icons->constEnd()) return *found;
    const QIcon icon = QFile::exists(path) ? QIcon(path) : QIcon();
    g_icons->insert(path, icon);
    return icon;
}

}  // namespace

QString TreeIconPath(int picture)
{
    for (const TreePicture& entry : kTreePictures)
        if (entry.index == picture) return QStringLiteral(":/icons/tree/%1.svg").arg(QLatin1String(entry.file));
    return QStringLiteral(":/icons/tree/unknown.svg");
}

QList<int> TreePictureIndices()
{
    QList<int> indices;
    for (const TreePicture& entry : kTreePictures) indices.append(entry.index);
    return indices;
}

QIcon TreeIcon(int picture) { return Load(TreeIconPath(picture)); }

QStringList ActionIconNames()
{
    QStringList names;
    for (const char* name : kActionNames) names.append(QLatin1String(name));
    return names;
}

QIcon ActionIcon(const QString& name)
{
    if (!ActionIconNames().contains(name)) return {};
    return Load(QStringLiteral(":/icons/actions/%1.svg").arg(name));
}

QIcon ProgramIcon() { return Load(QStringLiteral(":/icons/program.svg")); }

}  // namespace belvo::gui
