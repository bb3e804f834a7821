#pragma once

// The library is built with hidden symbols; only what clients and the test
// programs reach is exported.
#define QUILLET_API __attribute__((visibility("default")))
