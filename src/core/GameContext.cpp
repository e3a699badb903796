#include "core/GameContext.h"

namespace {

thread_local GameContext tThreadContext;
thread_local GameContext* tCurrent = nullptr;

}  // namespace

GameContext& CurrentGameContext() {
    return tCurrent ? *tCurrent : tThreadContext;
}

GameContextScope::GameContextScope(GameContext& context) : mPrevious(tCurrent) {
    tCurrent = &context;
}

GameContextScope::~GameContextScope() {
    tCurrent = mPrevious;
}
