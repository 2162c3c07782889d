// Mean CIEDE2000 between a picture and two patterns of it, for
// bench/thread_limit_quality.sh:
//
//   delta_e_compare PATTERN.json OTHER.ppm
//
// PATTERN.json is `tessaline convert --json` run with --method 0, so its
// "colors" are the picture at pattern size and its "cells" the threads.
// OTHER.ppm (binary P6, the same size) is another tool's pattern of that
// picture. Prints one line: Tessaline's threads and mean difference, the
// other's colours and mean difference, each plain and after both picture
// and pattern are blurred by one cell (a 3 x 3 box around every cell).
#include "pattern/ColorMatch.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

using tessaline::Color;

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<Color> cells;
};

[[noreturn]] void fail(const std::string& message) {
    std::cerr << "delta_e_compare: " << message << "\n";
    std::exit(2);
}

std::string readAll(const char* path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        fail(std::string("cannot read ") + path);
    }
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

int numberAfter(const std::string& json, const std::string& key) {
    const std::size_t at = json.find("\"" + key + "\": ");
    if (at == std::string::npos) {
        fail("no " + key + " in the JSON");
    }
    return std::stoi(json.substr(at + key.size() + 4));
}

// The tessaline pattern: the picture's colours and the thread colours.
void readPattern(const char* path, Picture& picture, Picture& pattern, int& threads) {
    const std::string json = readAll(path);
    picture.width = pattern.width = numberAfter(json, "width");
    picture.height = pattern.height = numberAfter(json, "height");
    threads = numberAfter(json, "threadCount");
    const std::size_t cellsCount = static_cast<std::size_t>(picture.width) * picture.height;
    std::size_t at = json.find("\"colors\": [");
    for (std::size_t i = 0; i < cellsCount; ++i) {
        at = json.find('"', at + (i == 0 ? 11 : 1));
        const int rgb = std::stoi(json.substr(at + 1, 6), nullptr, 16);
        picture.cells.push_back(tessaline::rgb(rgb >> 16, (rgb >> 8) & 0xFF, rgb & 0xFF));
        at = json.find('"', at + 1);
    }
    const tessaline::ThreadPalette& dmc = tessaline::dmcPalette();
    at = json.find("\"cells\": [") + 10;
    for (std::size_t i = 0; i < cellsCount; ++i) {
        std::size_t used = 0;
        const int position = std::stoi(json.substr(at, 8), &used);
        pattern.cells.push_back(dmc[static_cast<std::size_t>(position)].color);
        at = json.find_first_of(",]", at + used) + 1;
    }
}

Picture readPpm(const char* path) {
    const std::string bytes = readAll(path);
    std::istringstream header(bytes);
    std::string magic;
    int maxValue = 0;
    Picture picture;
    header >> magic >> picture.width >> picture.height >> maxValue;
    if (magic != "P6" || maxValue != 255) {
        fail(std::string(path) + " is not a binary 8-bit PPM");
    }
    const auto start = static_cast<std::size_t>(header.tellg()) + 1;
    for (std::size_t i = 0; i < static_cast<std::size_t>(picture.width) * picture.height; ++i) {
        const auto byte = [&](std::size_t k) {
            return static_cast<unsigned char>(bytes.at(start + 3 * i + k));
        };
        picture.cells.push_back(tessaline::rgb(byte(0), byte(1), byte(2)));
    }
    return picture;
}

Picture blurred(const Picture& p) {
    Picture out = p;
    for (int y = 0; y < p.height; ++y) {
        for (int x = 0; x < p.width; ++x) {
            int sum[3] = {0, 0, 0};
            int n = 0;
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dx = -1; dx <= 1; ++dx) {
                    const int sx = x + dx;
                    const int sy = y + dy;
                    if (sx < 0 || sy < 0 || sx >= p.width || sy >= p.height) {
                        continue;
                    }
                    const Color c = p.cells[static_cast<std::size_t>(sy * p.width + sx)];
                    sum[0] += tessaline::getRed(c);
                    sum[1] += tessaline::getGreen(c);
                    sum[2] += tessaline::getBlue(c);
                    ++n;
                }
            }
            out.cells[static_cast<std::size_t>(y * p.width + x)] =
                tessaline::rgb((sum[0] + n / 2) / n, (sum[1] + n / 2) / n, (sum[2] + n / 2) / n);
        }
    }
    return out;
}

double meanDifference(const Picture& a, const Picture& b) {
    double total = 0;
    for (std::size_t i = 0; i < a.cells.size(); ++i) {
        total += tessaline::deltaE2000(tessaline::toLab(a.cells[i]), tessaline::toLab(b.cells[i]));
    }
    return total / static_cast<double>(a.cells.size());
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        fail("usage: delta_e_compare PATTERN.json OTHER.ppm");
    }
    Picture picture;
    Picture pattern;
    int threads = 0;
    readPattern(argv[1], picture, pattern, threads);
    const Picture other = readPpm(argv[2]);
    if (other.width != picture.width || other.height != picture.height) {
        fail("the two patterns differ in size");
    }
    const std::set<Color> otherColors(other.cells.begin(), other.cells.end());
    std::printf("%dx%d %d %.2f %.2f %zu %.2f %.2f\n", picture.width, picture.height, threads,
                meanDifference(picture, pattern),
                meanDifference(blurred(picture), blurred(pattern)), otherColors.size(),
                meanDifference(picture, other), meanDifference(blurred(picture), blurred(other)));
    return 0;
}
