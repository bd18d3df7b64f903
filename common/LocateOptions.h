#pragma once

namespace norvane {

// How Locate compares texts, shared by the profile table and the
// management-service queries.
struct TLocateOptions {
    bool caseInsensitive = false; // text matches without regard to letter case
    bool partialKey = false;      // text matches when it begins with the value
};

} // namespace norvane
