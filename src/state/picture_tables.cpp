#include "state/picture_tables.hpp"

namespace burrowix {

PictureTables thePictures;

} // namespace burrowix
