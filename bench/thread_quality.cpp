// The measures and the yardstick of bench/thread_limit_quality.sh:
//
//   thread_quality kmeans PICTURE.ppm K OUT.ppm
//       a plain CIELAB k-means of the picture into K groups (k-means++ from a
//       fixed seed, then Lloyd's rounds), each group's mean on its nearest
//       DMC thread by CIEDE2000, and every pixel on the nearest of those
//       threads; prints the threads used. The threads are those a thread
//       limit may choose: specialty threads (metallics) are left out, as
//       `tessaline convert --threads` leaves them out.
//   thread_quality measure PICTURE.ppm PATTERN...
//       for each pattern (a PPM of thread colours, or `tessaline convert
//       --json` output, whose unstitched cells count as white cloth) one line:
//       threads used, mean CIEDE2000 to the picture plain and with both
//       blurred by one cell (3 x 3 box), and the lone stitches in percent (a
//       cell none of whose four neighbours has its colour)
#include "pattern/ColorMatch.h"
#include "pattern/DmcNames.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <limits>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

using tessaline::Color;
using tessaline::Lab;

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<Color> cells;
};

[[noreturn]] void fail(const std::string& message) {
    std::cerr << "thread_quality: " << message << "\n";
    std::exit(2);
}

std::string readAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        fail("cannot read " + path);
    }
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

Picture readPpm(const std::string& path) {
    const std::string bytes = readAll(path);
    std::istringstream header(bytes);
    std::string magic;
    int maxValue = 0;
    Picture picture;
    header >> magic >> picture.width >> picture.height >> maxValue;
    if (magic != "P6" || maxValue != 255) {
        fail(path + " is not a binary 8-bit PPM");
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

void writePpm(const std::string& path, const Picture& picture) {
    std::ofstream out(path, std::ios::binary);
    out << "P6\n" << picture.width << " " << picture.height << "\n255\n";
    for (const Color c : picture.cells) {
        out.put(static_cast<char>(tessaline::getRed(c)));
        out.put(static_cast<char>(tessaline::getGreen(c)));
        out.put(static_cast<char>(tessaline::getBlue(c)));
    }
}

int numberAfter(const std::string& json, const std::string& key) {
    const std::size_t at = json.find("\"" + key + "\": ");
    if (at == std::string::npos) {
        fail("no " + key + " in the JSON");
    }
    return std::stoi(json.substr(at + key.size() + 4));
}

// The thread colours of a `tessaline convert --json` pattern ("DMC").
Picture readPattern(const std::string& path) {
    const std::string json = readAll(path);
    Picture pattern;
    pattern.width = numberAfter(json, "width");
    pattern.height = numberAfter(json, "height");
    const tessaline::ThreadPalette& dmc = tessaline::dmcPalette();
    std::size_t at = json.find("\"cells\": [") + 10;
    for (std::size_t i = 0; i < static_cast<std::size_t>(pattern.width) * pattern.height; ++i) {
        std::size_t used = 0;
        const int position = std::stoi(json.substr(at, 8), &used);
        pattern.cells.push_back(position == 0 ? tessaline::kWhite
                                              : dmc[static_cast<std::size_t>(position)].color);
        at = json.find_first_of(",]", at + used) + 1;
    }
    return pattern;
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

double lonePercent(const Picture& p) {
    int lone = 0;
    for (int y = 0; y < p.height; ++y) {
        for (int x = 0; x < p.width; ++x) {
            const Color c = p.cells[static_cast<std::size_t>(y * p.width + x)];
            bool alone = true;
            for (const auto& [dx, dy] : {std::pair{0, -1}, {-1, 0}, {1, 0}, {0, 1}}) {
                const int nx = x + dx;
                const int ny = y + dy;
                if (nx >= 0 && ny >= 0 && nx < p.width && ny < p.height &&
                    p.cells[static_cast<std::size_t>(ny * p.width + nx)] == c) {
                    alone = false;
                    break;
                }
            }
            lone += alone ? 1 : 0;
        }
    }
    return 100.0 * lone / static_cast<double>(p.cells.size());
}

double squared(const Lab& x, const Lab& y) {
    return (x.L - y.L) * (x.L - y.L) + (x.a - y.a) * (x.a - y.a) + (x.b - y.b) * (x.b - y.b);
}

int kmeans(const Picture& picture, int k, Picture& out) {
    std::vector<Lab> points;
    for (const Color c : picture.cells) {
        points.push_back(tessaline::toLab(c));
    }
    // k-means++ seeding from a fixed seed.
    std::mt19937 random(12345);
    std::vector<Lab> centres{points[random() % points.size()]};
    std::vector<double> nearest(points.size(), std::numeric_limits<double>::infinity());
    while (static_cast<int>(centres.size()) < k) {
        double total = 0;
        for (std::size_t i = 0; i < points.size(); ++i) {
            nearest[i] = std::min(nearest[i], squared(points[i], centres.back()));
            total += nearest[i];
        }
        if (total <= 0) {
            break;
        }
        double pick = std::uniform_real_distribution<double>(0, total)(random);
        std::size_t chosen = 0;
        for (; chosen + 1 < points.size() && pick > nearest[chosen]; ++chosen) {
            pick -= nearest[chosen];
        }
        centres.push_back(points[chosen]);
    }
    std::vector<std::size_t> owner(points.size(), 0);
    for (int round = 0; round < 30; ++round) {
        bool moved = false;
        std::vector<Lab> sums(centres.size());
        std::vector<int> counts(centres.size(), 0);
        for (std::size_t i = 0; i < points.size(); ++i) {
            std::size_t best = 0;
            double bestDistance = std::numeric_limits<double>::infinity();
            for (std::size_t c = 0; c < centres.size(); ++c) {
                const double d = squared(points[i], centres[c]);
                if (d < bestDistance) {
                    best = c;
                    bestDistance = d;
                }
            }
            moved = moved || best != owner[i];
            owner[i] = best;
            sums[best].L += points[i].L;
            sums[best].a += points[i].a;
            sums[best].b += points[i].b;
            ++counts[best];
        }
        for (std::size_t c = 0; c < centres.size(); ++c) {
            if (counts[c] > 0) {
                centres[c] = {sums[c].L / counts[c], sums[c].a / counts[c], sums[c].b / counts[c]};
            }
        }
        if (!moved && round > 0) {
            break;
        }
    }
    const tessaline::ThreadPalette& dmc = tessaline::dmcPalette();
    std::vector<int> ordinary;
    for (int p = 1; p <= tessaline::kDmcThreadCount; ++p) {
        if (!tessaline::specialtyThread(dmc[static_cast<std::size_t>(p)].cindex)) {
            ordinary.push_back(p);
        }
    }
    const tessaline::ThreadMatcher whole(dmc, tessaline::ColorMatch::Lab, ordinary);
    std::vector<int> threads;
    for (const Lab& centre : centres) {
        threads.push_back(whole.nearestByLab(centre));
    }
    const tessaline::ThreadMatcher chosen(dmc, tessaline::ColorMatch::Lab, threads);
    out = picture;
    std::set<int> used;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const int thread = chosen.nearestByLab(points[i]);
        used.insert(thread);
        out.cells[i] = dmc[static_cast<std::size_t>(thread)].color;
    }
    return static_cast<int>(used.size());
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 4 && args[0] == "kmeans") {
        Picture out;
        std::printf("%d\n", kmeans(readPpm(args[1]), std::stoi(args[2]), out));
        writePpm(args[3], out);
        return 0;
    }
    if (args.size() >= 3 && args[0] == "measure") {
        const Picture picture = readPpm(args[1]);
        const Picture picturBlurred = blurred(picture);
        for (std::size_t i = 2; i < args.size(); ++i) {
            const std::string& path = args[i];
            const bool json = path.size() > 5 && path.substr(path.size() - 5) == ".json";
            const Picture pattern = json ? readPattern(path) : readPpm(path);
            if (pattern.width != picture.width || pattern.height != picture.height) {
                fail(path + " differs in size from the picture");
            }
            const std::set<Color> colours(pattern.cells.begin(), pattern.cells.end());
            std::printf("%zu %.2f %.2f %.1f\n", colours.size(), meanDifference(picture, pattern),
                        meanDifference(picturBlurred, blurred(pattern)), lonePercent(pattern));
        }
        return 0;
    }
    fail("usage: thread_quality kmeans PICTURE.ppm K OUT.ppm | measure PICTURE.ppm PATTERN...");
}
