#include "cli/HelpText.h"

#include "render/PatternFormats.h"

#include <string>

namespace tessaline {

namespace {

constexpr std::string_view kBeforeOutputs = R"(Usage:
  tessaline [PICTURE] [--lang CODE]      start the program (needs a display), with
                                         PICTURE opened in the main window
  tessaline --desktop [PICTURE]          the same, working in the pictures folder's
                                         "Tessaline" folder (the desktop entry's way)
  tessaline convert PICTURE [options]    turn a picture into a pattern, no display needed
  tessaline convert PATTERN.oxs [options]  write a saved OXS pattern out again
  tessaline palette-export INPUT OUTPUT  convert a binary .pal palette into text lines
  tessaline --help                       this text (also: tessaline convert --help)
  tessaline --version                    the version and licence (also: tessaline
                                         convert --version)

convert runs the program's own steps: the picture is handed to the workspace,
framed, reduced by the effect preview ("效果预览->"), mapped to the 423 DMC
threads ("生成") and written out.

A file whose name ends in .oxs is read as a finished pattern (from this
program or another): its size, title, fabric count, threads with their
symbols and its full stitches. Part stitches, backstitches, knots, beads and
comment boxes are left out, and one line says how many; threads of other
brands and custom colours become their nearest DMC thread (--match), listed
on that line. Every output, --replace, --print and the chart and book options
work from it; --title and --fabric override the file's. The picture options
(--mode, --width, --height, --zoom, --offset, --method, --strength,
--threads, --category, --effect, --cleanup, --min-stitches, --fabric-colour,
--unstitched-background, --allow-specialty) are refused. A file that is not such a
pattern, declares a size beyond 1000 x 1000 (a pattern has at most 320 x 320
cells), or has stitches outside the chart or on palette entries it lacks
exits with 3.

Framing:
  --mode whole|region   whole (default): the whole picture is squeezed into the
                        frame, as "全图" does. region: the frame picks a part of
                        the picture, as "局部" does.
  --width N             whole: the zoom value, i.e. the pattern width (16..230);
                        the height follows the picture's shape, at most 250
                        (the width shrinks to keep the shape).
                        region: the width bar, pattern width 16..230.
  --height N            region only: the height bar, pattern height 16..250.
  --zoom N              region only: the picture's display width in pixels,
                        32 up to the picture's own width (default: the
                        picture's own size, as after loading it).
  --offset X,Y          region only: where the frame starts in the displayed
                        picture (moveX1, moveY1), each 0 or more (default 0,0).
                        Cells past the picture's edge stay white.
  Without --width/--height the sizes are the ones loading the picture sets:
  the height is the picture's height up to 250, the width 230, or less for a
  tall picture so that a full-height frame keeps its shape. A side below 16
  (a picture under 16 pixels, or a very long and thin one) is raised to the
  bars' minimum of 16 stitches instead of refusing the picture; in whole mode
  the squeezed picture keeps its shape and the cells beyond it stay white.

Pattern:
  --method M            reduction method, by code, name or caption:
                        0   none         "不做减色处理"  the picture's own colours
                        1   1bit                         black and white
                        2   grey         "灰度图片"      4 greys
                        3   low-colour   "低分辨彩色图"  8 colours
                        4   high-grey    "高清黑白图片"  16 greys
                        8   8bit                         256 colours
                        16  high-colour  "高分辨彩色图"  216 colours (default)
                        ("gray" and "color" are taken too)
  --strength N          thread merging strength, a squared RGB distance
                        (reduceStrength, default 1600, 0..195075; 0 merges none)
  --ignore N            threads with fewer cells get no legend entry (default 5)
  --kind K              chart kind: blocks+symbols ("生成绣图色块"), symbols
                        ("无色块绣图", default) or blocks ("仅生成色块")
  --grid N              block size of the chart grid: 6, 8, 10 (default), 12, 16
  --title TEXT          chart title (default "我的绣图")
  --category DMC|CC     DMC (default) maps colours to DMC threads; CC keeps the
                        pattern's own colours
  --replace FROM=TO     after the effect preview, every cell whose nearest DMC
                        thread is FROM gets thread TO, as the colour replacement
                        window ("编辑") does; FROM and TO are DMC numbers such as
                        310, Ecru or B5200. Repeatable, applied in the order
                        given (at most 201); each cell then takes its thread's
                        colour.
  --threads N           at most N threads (2..423, DMC only; default: no limit).
                        The threads are chosen from all the pattern's colours,
                        so any picture works, even with --method 0 (which then
                        keeps the most detail); --strength merges nothing more.
                        Metallic threads (5282, 5283) are left out unless
                        --allow-specialty is given.
  --allow-specialty     let --threads choose metallic and other specialty
                        threads too
  --match rgb|lab       how colours find their threads: rgb (default), the
                        plain squared RGB distance, or lab, the CIEDE2000
                        difference ("CIELAB ΔE2000")
  --cleanup             a lone stitch (no neighbour with its thread) takes a
                        neighbour's thread where that costs little colour
                        ("清理零散针"); works with every method
  --min-stitches K      threads with fewer than K stitches join their nearest
                        kept thread, so each thread earns its skein
  --fabric-colour C     the cloth: white (default), ivory, black or RRGGBB;
                        shown where nothing is stitched
  --unstitched-background D
                        cells within CIEDE2000 difference D (0..50, try 5) of
                        the fabric colour are left unstitched ("背景不绣").
                        Transparent parts of a picture are never stitched
  --lang CODE           the language of the chart's and printout's texts: zh
                        (Simplified Chinese, the program's own), or the code
                        of a translation it ships: en (English), zh_TW
                        (Traditional Chinese); a code it lacks is refused with
                        the list. Default: the locale's language and script
                        (LANG=en_GB: en, zh_HK: zh_TW), else Chinese; the
                        windows take it too

Outputs (at least one; any combination):
)";

// The outputs that are not pattern formats, and the settings of the formats.
constexpr std::string_view kOtherOutputs =
    R"(  --effect FILE         the reduced region as a BMP picture (as "保存效果" saves it)
  --paper a4|letter     the book's paper (default a4)
  --pitch MM            the book's cell size, 2..6 millimetres (default 2.54,
                        10 cells an inch)
  --fabric COUNT        the fabric, in stitches an inch: 11, 14 (default), 16,
                        18, 22, 25, 28 or 32 (from 25 evenweave or linen,
                        stitched over two); the book's legend and the JSON
                        count skeins for it, the OXS file takes it. Skeins per
                        thread, for 2 strands: one cross takes (2 x 1.414 + 2)
                        x 25.4 / stitches an inch mm of each strand (two
                        diagonals on the front, two sides on the back), plus
                        150 % for the thread between stitches on the back,
                        starting and ending; a skein is 8 m of 6 strands;
                        rounded up.
  --print               print the one-page printout on the default printer,
                        as "打印" does, once every file is written
  --book-print          print the pattern book instead (--paper, --pitch and
                        --fabric as for --book), as "打印" does with "图册"
  --printer NAME        print it on the printer (print queue) NAME
)";

constexpr std::string_view kAfterOutputs =
    R"(  FILE "-" is standard output (for one output at most). Every file is written
  beside its target and renamed into place only when all of them are complete
  and standard output was written: after any failure, or when the command is
  interrupted, no output is written and no staging file stays behind (those of
  a run killed outright are removed by the next run in that folder). Pipes,
  devices and links are written through, never replaced; the picture itself is
  never an output.

Exit codes:
  0 done, 1 an internal step failed, 2 bad option or value, 3 the input file
  cannot be read (missing, unreadable, not a picture or palette, more than 500
  palette records), 4 the pattern has more than 500 colours (use a --method
  other than 0, or --threads), 5 an output cannot be written or the printout
  was not accepted (no printer, no such printer, the printer refused the job).
  Problems are reported as one line on standard error; progress is shown there
  only when it is a terminal. The window program exits with 6, after one line,
  when it finds no display to open (DISPLAY and WAYLAND_DISPLAY unset, or the
  display unreachable).

Examples:
  tessaline convert photo.jpg --width 120 -o chart.png --pdf chart.pdf
  tessaline convert photo.jpg --mode region --width 80 --height 60 --zoom 400 \
      --offset 120,40 --method 高分辨彩色图 --json pattern.json
  tessaline convert photo.jpg --method 0 --threads 25 --match lab -o chart.png
  tessaline convert photo.jpg --method 0 --threads 24 --match lab --cleanup \
      --min-stitches 20 --unstitched-background 5 --book book.pdf
)";

} // namespace

std::string_view helpText() {
    // The pattern formats describe themselves (render/PatternFormats).
    static const std::string text = [] {
        std::string assembled(kBeforeOutputs);
        for (const PatternFormat& format : patternFormats()) {
            assembled += format.help;
        }
        assembled += kOtherOutputs;
        assembled += kAfterOutputs;
        return assembled;
    }();
    return text;
}

std::string_view versionText() {
    return "tessaline " TESSALINE_VERSION "\n"
           "Copyright (C) 2026 The Tessaline developers\n"
           "License GPLv3+: GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>.\n"
           "This is free software: you are free to change and redistribute it.\n"
           "There is NO WARRANTY, to the extent permitted by law.\n";
}

} // namespace tessaline
