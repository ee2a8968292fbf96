#include "gui/icons.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>

#include <array>

// The resources live in the static library belvo_gui; registering them here, where the icons
// are asked for, keeps the linker from dropping them from a program that links the library.
static void InitIconResources() { Q_INIT_RESOURCE(belvo_icons); }

namespace belvo::gui {
namespace {

struct TreePicture {
    int index;
    const char* file;
};

// Picture indices as the element kinds give them.
constexpr std::array kTreePictures{
    TreePicture{0, "project"},          TreePicture{1, "group"},
    TreePicture{2, "proposals"},        TreePicture{3, "wall"},
    TreePicture{6, "bricks"},           TreePicture{9, "paving"},
    TreePicture{10, "shaped-bricks"},   TreePicture{11, "ring-beam-bricks"},
    TreePicture{12, "fence-cap"},       TreePicture{13, "drainage-pipes"},
    TreePicture{14, "facing-strips"},   TreePicture{15, "hurdis"},
    TreePicture{16, "ceiling-beams"},   TreePicture{17, "ceiling-inserts"},
    TreePicture{18, "lintels"},         TreePicture{19, "shutter-lintels"},
    TreePicture{20, "formwork-boards"}, TreePicture{21, "mortars"},
    TreePicture{22, "all-items"},       TreePicture{23, "ceiling-panels"},
    TreePicture{24, "proposal-whole"},  TreePicture{25, "proposal-part"},
    TreePicture{26, "polystyrene"},     TreePicture{27, "reinforcement"},
    TreePicture{28, "anchors"},
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
