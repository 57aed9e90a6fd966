// Acoustic formulas of the simplified model: lining improvement, combination of two linings on a
// path, the empirical vibration reduction indices Kij and their choice per junction type.
#pragma once

#include <array>
#include <cmath>
#include <string>

#include "calc/project_state.h"

namespace phonikon {

// The decimal logarithm of every level and ratio formula.
inline long double Lg(long double x) {
    return std::log10(x);
}

// b raised to e, as exp(e · ln b); b must be positive.
long double Potenz(long double b, long double e);

// Improvement ΔRw [dB] of a lining with resonance frequency f0 [Hz] on an element with Rw [dB].
long double dRw_Vorsatzschale(int f0, long double Rw);

// Two linings on one transmission path: the larger improvement plus half of the smaller one.
long double dR_Kombination(long double a, long double b);

// Vibration reduction index Kij [dB] from a mass ratio x > 0.
long double Kij_1(long double x);
long double Kij_2(long double x);
long double Kij_3(long double x);
long double Kij_4(long double x);
long double Kij_5(long double x);
long double Kij_6(long double x);

// Kij of a decoupled path.
inline constexpr long double kKijGetrennt = 20.0L;

// Fills the three K values (Ff, Fd, Df) of every flank from its junction code and the masses.
// A flank with an unknown code keeps its previous values.
void Stoss_Kij(Projekt& p);

}  // namespace phonikon
