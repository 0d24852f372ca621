#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace tarn::addin {

// Who the add-in is, as Windows and Outlook know it.
inline constexpr std::u16string_view ProgId = u"Tarn4OL.TarnAddin";
inline constexpr std::u16string_view FriendlyName = u"Orvik' Tarn!";
inline constexpr std::u16string_view Description = u"Orvik' Spam Filter for MS Outlook";
// "LoadBehavior": load when the host starts.
inline constexpr std::uint32_t LoadAtStartup = 3;

// The Office hosts the framework knows, by index: their name in the registry and the
// programmatic identifier of their application.
struct KnownHost {
    std::string_view name;
    std::u16string_view application_prog_id;
};
inline constexpr std::array<KnownHost, 9> KnownHosts = {{
    {"Excel", u"Excel.Application"},
    {"Word", u"Word.Application"},
    {"Outlook", u"Outlook.Application"},
    {"PowerPoint", u"PowerPoint.Application"},
    {"Access", u"Access.Application"},
    {"MS Project", u"MSProject.Application"},
    {"FrontPage", u"FrontPage.Application"},
    {"MapPoint", u"MapPoint.Application"},
    {"Visio", u"Visio.Application"},
}};
inline constexpr int OutlookHost = 2;
// The hosts this add-in serves: Outlook only.
inline constexpr std::array<int, 1> HostSet = {OutlookHost};

}  // namespace tarn::addin
