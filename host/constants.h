#pragma once

namespace tarn::host {

// Outlook's default folder numbers (OlDefaultFolders).
enum class DefaultFolder : int {
    DeletedItems = 3,
    Outbox = 4,
    SentMail = 5,
    Inbox = 6,
    Calendar = 9,
    Contacts = 10,
    Drafts = 16,
};

// Values of an item's Class member (OlObjectClass) that the add-in tells apart.
namespace item_class {
inline constexpr long Appointment = 26;
inline constexpr long Contact = 40;
inline constexpr long Mail = 43;
}  // namespace item_class

// How a recipient is addressed (OlMailRecipientType).
enum class RecipientType : int { To = 1, Cc = 2, Bcc = 3 };

// Values of a folder's DefaultItemType member (OlItemType).
namespace item_type {
inline constexpr int Mail = 0;
inline constexpr int Appointment = 1;
inline constexpr int Contact = 2;
}  // namespace item_type

// Office command bar control types (MsoControlType) and positions (MsoBarPosition).
enum class ControlType : int { Button = 1, Edit = 2, DropDown = 3, ComboBox = 4, Popup = 10 };
enum class BarPosition : int { Left = 0, Top = 1, Right = 2, Bottom = 3, Floating = 4, Popup = 5 };

// Button styles (MsoButtonStyle) used by the add-in.
namespace button_style {
inline constexpr int IconOnly = 1;
inline constexpr int IconAndCaption = 3;
}  // namespace button_style

}  // namespace tarn::host
