#pragma once
// The ordered-dither threshold matrix and the one-bit packing masks shared by
// every colour reduction. Both are fixed at compile time and never written.
#include <array>
#include <cstdint>

namespace tessaline {

struct DitherTables {
    // 16 x 16 thresholds stored row by row: row r, column c at c + 16 * r.
    // Every value 0 ... 255 occurs exactly once.
    std::array<std::uint8_t, 256> ditherMatrix;
    // bitMask[i] selects the i-th pixel of a packed one-bit byte, the left
    // pixel being the most significant bit.
    std::array<std::uint8_t, 8> bitMask;
};

inline constexpr DitherTables kDitherTables{
    {{
        0,   235, 59,  219, 15,  231, 55,  215, 2,   232, 56,  217, 12,  229, 52,  213, //
        128, 64,  187, 123, 143, 79,  183, 119, 130, 66,  184, 120, 140, 76,  180, 116, //
        33,  192, 16,  251, 47,  207, 31,  247, 34,  194, 18,  248, 44,  204, 28,  244, //
        161, 97,  144, 80,  175, 111, 159, 95,  162, 98,  146, 82,  172, 108, 156, 92,  //
        8,   225, 48,  208, 5,   239, 63,  223, 10,  226, 50,  210, 6,   236, 60,  220, //
        136, 72,  176, 112, 133, 69,  191, 127, 138, 74,  178, 114, 134, 70,  188, 124, //
        41,  200, 24,  240, 36,  197, 20,  255, 42,  202, 26,  242, 38,  198, 22,  252, //
        169, 105, 152, 88,  164, 100, 148, 84,  170, 106, 154, 90,  166, 102, 150, 86,  //
        3,   233, 57,  216, 13,  228, 53,  212, 1,   234, 58,  218, 14,  230, 54,  214, //
        131, 67,  185, 121, 141, 77,  181, 117, 129, 65,  186, 122, 142, 78,  182, 118, //
        35,  195, 19,  249, 45,  205, 29,  245, 32,  193, 17,  250, 46,  206, 30,  246, //
        163, 99,  147, 83,  173, 109, 157, 93,  160, 96,  145, 81,  174, 110, 158, 94,  //
        11,  227, 51,  211, 7,   237, 61,  221, 9,   224, 49,  209, 4,   238, 62,  222, //
        139, 75,  179, 115, 135, 71,  189, 125, 137, 73,  177, 113, 132, 68,  190, 126, //
        43,  203, 27,  243, 39,  199, 23,  253, 40,  201, 25,  241, 37,  196, 21,  254, //
        171, 107, 155, 91,  167, 103, 151, 87,  168, 104, 153, 89,  165, 101, 149, 85,  //
    }},
    {{128, 64, 32, 16, 8, 4, 2, 1}},
};

inline const std::array<std::uint8_t, 256>& ditherMatrix() {
    return kDitherTables.ditherMatrix;
}
inline const std::array<std::uint8_t, 8>& bitMask() {
    return kDitherTables.bitMask;
}

// Called once at start-up before any reduction runs. The tables are built
// into the program (their consistency is checked when it is compiled), so
// this only hands them out.
const DitherTables& initDitherTables();

} // namespace tessaline
