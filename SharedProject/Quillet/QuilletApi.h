#pragma once

// The library is built with hidden symbols; the four entry points of Quillet.h
// are all its file exports (Quillet.map holds the same list for the linker).
#define QUILLET_API __attribute__((visibility("default")))
