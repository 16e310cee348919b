// Constants written into the relations. Some relations use these literals,
// others the model's variables Gravity and ManningConst (English values, the
// same numbers as floats); each routine keeps the choice it has always made.
#pragma once

namespace kelp {

inline constexpr double kGravityLiteral = 32.2;  // ft/s²
inline constexpr double kManningLiteral = 1.49;  // Manning's factor in English units
inline constexpr double kPiDecimal = 3.14159;    // π as the section relations write it
// π to full precision, used by the circular barrel's backwater profile. The
// two values of π belong to their own routines and are not interchangeable.
inline constexpr double kPiFull = 3.14159265358979;

inline constexpr float kEnglishGravity = 32.2f;
inline constexpr float kEnglishManning = 1.49f;

}  // namespace kelp
