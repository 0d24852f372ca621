#pragma once

#include <memory>

#include "host/constants.h"
#include "host/folder.h"

namespace tarn::host {

// The "MAPI" namespace of the application: the user's message store.
class Namespace {
public:
    virtual ~Namespace() = default;
    virtual FolderPtr GetDefaultFolder(DefaultFolder folder) = 0;
};

using NamespacePtr = std::shared_ptr<Namespace>;

}  // namespace tarn::host
