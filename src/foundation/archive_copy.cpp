#include "foundation/archive_copy.h"

#include <sstream>

namespace belvo {

std::unique_ptr<CObject> CopyThroughArchive(const CObject& object, const ClassRegistry* classes)
{
    ClassRegistry own;
    if (classes == nullptr) {
        own.Add(object.GetRuntimeClass());
        classes = &own;
    }
    std::ostringstream out;
    {
        CArchive store(out, "<memory>", *classes);
        store.WriteObject(&object);
        store.Flush();
    }
    const std::string bytes = out.str();
    std::istringstream in(bytes);
    CArchive load(in, bytes.size(), "<memory>", *classes);
    return load.ReadOwnedObject(&object.GetRuntimeClass());
}

}  // namespace belvo
