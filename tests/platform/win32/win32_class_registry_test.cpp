#include <windows.h>
#include <objbase.h>

#include <gtest/gtest.h>

#include "platform/win32/win32_class_registry.h"

namespace tarn::platform {
namespace {

TEST(Win32ClassRegistry, KnowsTheClassesComResolvesAndNoOthers) {
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    Win32ClassRegistry classes;
    EXPECT_TRUE(classes.HasClass(u"Scripting.Dictionary"));  // registered by every Windows (and wine)
    EXPECT_FALSE(classes.HasClass(u"Tarn4OL.NoSuchClass"));
    EXPECT_FALSE(classes.HasClass(u""));
    CoUninitialize();
}

}  // namespace
}  // namespace tarn::platform
