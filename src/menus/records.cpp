#include "menus/records.hpp"

namespace burrowix {

Records theRecords;

} // namespace burrowix
