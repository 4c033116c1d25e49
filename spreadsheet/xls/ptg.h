#pragma once
#include <cstdint>

// Formula token ids. Tokens from kPtgFunc on carry a class in bits 5-6:
// 0x20 reference, 0x40 value, 0x60 array; the ids here are without it.
namespace spreadsheet::xls::ptg {

inline constexpr std::uint8_t kFirstBinary = 0x03;  // + - * / ^ & < <= = >= > <> in this order
inline constexpr std::uint8_t kLastBinary = 0x0E;
inline constexpr std::uint8_t kUplus = 0x12;
inline constexpr std::uint8_t kUminus = 0x13;
inline constexpr std::uint8_t kPercent = 0x14;
inline constexpr std::uint8_t kParen = 0x15;
inline constexpr std::uint8_t kMissArg = 0x16;
inline constexpr std::uint8_t kStr = 0x17;
inline constexpr std::uint8_t kAttr = 0x19;
inline constexpr std::uint8_t kErr = 0x1C;
inline constexpr std::uint8_t kBool = 0x1D;
inline constexpr std::uint8_t kInt = 0x1E;
inline constexpr std::uint8_t kNum = 0x1F;

inline constexpr std::uint8_t kFunc = 0x01;
inline constexpr std::uint8_t kFuncVar = 0x02;
inline constexpr std::uint8_t kName = 0x03;
inline constexpr std::uint8_t kRef = 0x04;
inline constexpr std::uint8_t kArea = 0x05;
inline constexpr std::uint8_t kRefErr = 0x0A;
inline constexpr std::uint8_t kAreaErr = 0x0B;
inline constexpr std::uint8_t kRef3d = 0x1A;
inline constexpr std::uint8_t kArea3d = 0x1B;
inline constexpr std::uint8_t kRefErr3d = 0x1C;
inline constexpr std::uint8_t kAreaErr3d = 0x1D;

}  // namespace spreadsheet::xls::ptg
