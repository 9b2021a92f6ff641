// The movable days that rules name, by their distance in days from Pascha. One table, so that
// the year's placements, the fast and the readings speak of the same days by the same names.
#pragma once

namespace velorith::movable {

inline constexpr int kPublicanSunday = -70;    // the Sunday of the Publican and the Pharisee
inline constexpr int kMeatfareSaturday = -57;  // the universal Saturday of the departed
inline constexpr int kCheesefareMonday = -55;  // Cheesefare week begins
inline constexpr int kCheesefareWednesday = -53;
inline constexpr int kCheesefareFriday = -51;
inline constexpr int kCheesefareSunday = -49;
inline constexpr int kCleanMonday = -48;      // Great Lent begins
inline constexpr int kFirstLentSunday = -42;  // the Sunday of Orthodoxy
inline constexpr int kSecondLentSaturday =
    -36;  // the first of the Lenten Saturdays of the departed
inline constexpr int kFourthLentWednesday = -25;
inline constexpr int kGreatCanonThursday = -17;  // Thursday of the 5th week
inline constexpr int kAkathistSaturday = -15;    // Saturday of the 5th week
inline constexpr int kLastLentFriday = -9;       // the forty days end
inline constexpr int kLazarusSaturday = -8;
inline constexpr int kPalmSunday = -7;
inline constexpr int kHolyMonday = -6;
inline constexpr int kGreatWednesday = -4;
inline constexpr int kGreatThursday = -3;
inline constexpr int kGreatFriday = -2;
inline constexpr int kGreatSaturday = -1;
inline constexpr int kPascha = 0;
inline constexpr int kBrightSaturday = 6;
inline constexpr int kThomasSunday = 7;
inline constexpr int kTrinitySaturday = 48;
inline constexpr int kPentecost = 49;
inline constexpr int kHolySpiritMonday = 50;
inline constexpr int kAllSaintsSunday = 56;
inline constexpr int kApostlesFastEve = 57;  // the Monday after All Saints; the fast follows it

}  // namespace velorith::movable
