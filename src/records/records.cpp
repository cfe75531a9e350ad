#include "records/records.hpp"

namespace burrowix {

Records theRecords;

} // namespace burrowix
