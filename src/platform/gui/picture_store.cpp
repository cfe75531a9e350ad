#include "platform/gui/picture_store.hpp"

#include "platform/display/display.hpp"
#include "platform/display/picture_surface.hpp"
#include "platform/display/pixel_format.hpp"

namespace burrowix {

namespace {

constexpr std::uint32_t kGreen = packRgb(0, 255, 0);

} // namespace

PictureRecord* PictureStore::record(int index) const
{
    return index >= 0 && index < count() ? records_[static_cast<std::size_t>(index)].get() : nullptr;
}

void PictureStore::load(Display& d, PictureRecord& r)
{
    r.surface = loadBitmapSurface(d, r.name);
    if (r.surface)
        setColorKey(r.surface.get(), kGreen);
}

int PictureStore::addPicture(Display& d, const char* name, int flag)
{
    const int index = addPictureUnloaded(name, flag);
    loadPicture(d, index);
    return index;
}

int PictureStore::addPictureUnloaded(const char* name, int flag)
{
    auto r = std::make_unique<PictureRecord>();
    r->name = name ? name : "";
    r->flag = flag;
    records_.push_back(std::move(r));
    return count() - 1;
}

int PictureStore::findPicture(const char* name) const
{
    if (!name)
        return -1;
    for (int i = 0; i < count(); ++i)
        if (records_[static_cast<std::size_t>(i)]->name == name)
            return i;
    return -1;
}

int PictureStore::findOrAddPicture(const char* name)
{
    if (!name || !*name)
        return -1;
    const int found = findPicture(name);
    return found >= 0 ? found : addPictureUnloaded(name, 0);
}

Surface* PictureStore::pictureSurface(int index)
{
    PictureRecord* r = record(index);
    if (!r)
        return nullptr;
    Display& d = display ? *display : theDisplay;
    if (!r->surface && d.isSetUp())
        load(d, *r);
    return r->surface.get();
}

Surface* PictureStore::surfaceByName(const char* name)
{
    return pictureSurface(findPicture(name));
}

bool PictureStore::isLoaded(int index) const
{
    const PictureRecord* r = record(index);
    return r && r->surface;
}

void PictureStore::loadPicture(Display& d, int index)
{
    PictureRecord* r = record(index);
    if (r && !r->surface && d.isSetUp())
        load(d, *r);
}

void PictureStore::releasePicture(int index)
{
    if (PictureRecord* r = record(index))
        r->surface.reset();
}

void PictureStore::releaseAllPictures()
{
    for (auto& r : records_)
        r->surface.reset();
}

void PictureStore::reloadAllPictures()
{
    for (auto& r : records_)
        if (r->surface && reloadBitmap(r->surface.get(), r->name) == DisplayResult::Ok)
            setColorKey(r->surface.get(), kGreen);
}

void PictureStore::clearPictures()
{
    records_.clear();
}

} // namespace burrowix
