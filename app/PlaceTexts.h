#pragma once
// Program text numbers of the place of a birthdate: the row's place button and the place
// dialog, and the question on a skipped or repeated clock time.

namespace PlaceText {

constexpr int Place = 1600;         // "Place of birth"
constexpr int PlaceToolTip = 1601;  // the button of a row without a place
constexpr int Town = 1602;
constexpr int TownHint = 1603;
constexpr int Coordinates = 1604;
constexpr int Latitude = 1605;
constexpr int Longitude = 1606;
constexpr int Zone = 1607;
constexpr int ClockTime = 1608;
constexpr int ClockOfPlace = 1609;
constexpr int Remove = 1610;
constexpr int BadCoordinates = 1611;
constexpr int UnknownZone = 1612;  // ZONE
constexpr int Skipped = 1613;      // TIME, DATE, PLACE, FIRST, SECOND, LARGER, SMALLER
constexpr int Repeated = 1614;     // the same
constexpr int NoPlace = 1615;
constexpr int BadTime = 1616;
constexpr int ClockTitle = 1617;     // the title of the question
constexpr int PlacedToolTip = 1618;  // the button of a row with a place: PLACE, ZONE

}  // namespace PlaceText
