#include "pattern/GenerationProgress.h"

namespace tessaline {

std::string_view phaseStatusText(GenerationPhase phase) {
    switch (phase) {
    case GenerationPhase::CreatingColorIndex:
        return "正在创建颜色索引......";
    case GenerationPhase::CountingThreads:
        return "正在计算颜色数目等信息......";
    }
    return {};
}

} // namespace tessaline
