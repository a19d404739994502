#pragma once
// The full turn and half turn as the program stores them, and reduction of an angle
// to one turn. Every place that adds, subtracts or compares a turn uses these.

namespace ZDR {

constexpr double dblTurn = 6.28318530717959;  // 2 pi, radians
constexpr double dblPi = 3.14159265358979;    // half a turn, radians

// Returns x (radians) reduced into [0, dblTurn); a value that is not finite comes back
// unchanged.
inline double NormalizeAngle(double x) {
    if (!(x > -1e12 && x < 1e12)) return x;
    while (x < 0) x += dblTurn;
    while (x >= dblTurn) x -= dblTurn;
    return x;
}

}  // namespace ZDR
