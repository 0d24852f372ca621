#pragma once

// What the importer needs around GMime, a C library built on GObject: owning pointers,
// checked down-casts without GLib's C-style cast macros, and one-time start-up.

#include <gmime/gmime.h>

#include <memory>

namespace tarn::tools::import {

// Drops the one reference that a GMime constructor hands back.
struct GObjectUnref {
    void operator()(void* object) const { g_object_unref(object); }
};
template <typename T>
using GObjectPtr = std::unique_ptr<T, GObjectUnref>;

// Starts GMime on first use; later calls do nothing. Everything that calls into GMime,
// its charset tables included, calls this first.
void StartGMime();

// Parser options for mail as it reaches an inbox: encoded words and addresses read leniently,
// and header bytes that are not valid UTF-8 read as Windows-1252. Starts GMime.
GMimeParserOptions* InboxParserOptions();

// `object` as the GObject type `type` (and so as T), or null when it is not one.
template <typename T>
T* As(void* object, GType type) {
    if (object == nullptr || !g_type_check_instance_is_a(static_cast<GTypeInstance*>(object), type)) {
        return nullptr;
    }
    return static_cast<T*>(object);
}

}  // namespace tarn::tools::import
