#pragma once

// Memory advice for the service's few very large buffers (a received upload
// body and its decoded acquisition, tens of megabytes each): backing them with
// transparent huge pages saves thousands of page faults per upload. Call it
// on freshly reserved, untouched memory; it only advises and never fails.
//
//   body.reserve(n);
//   AdviseLargeBuffer(body.data(), body.capacity());

#include <cstddef>

namespace stoupe::service {

void AdviseLargeBuffer(void* data, size_t size);

} // namespace stoupe::service
