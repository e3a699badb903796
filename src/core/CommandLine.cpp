#include "core/CommandLine.h"

OptionReader::OptionReader(std::vector<std::string> args, std::set<std::string> switches,
                           std::set<std::string> valued)
    : mArgs(std::move(args)), mSwitches(std::move(switches)), mValued(std::move(valued)) {}

bool OptionReader::Next() {
    if (mNext >= mArgs.size()) {
        return false;
    }
    mOption = mArgs[mNext++];
    mValue.clear();
    if (!mGiven.insert(mOption).second) {
        throw std::invalid_argument(mOption + " is given twice");
    }
    if (mSwitches.count(mOption) != 0) {
        return true;
    }
    if (mValued.count(mOption) == 0) {
        throw std::invalid_argument("unknown option \"" + mOption + "\"");
    }
    if (mNext >= mArgs.size()) {
        throw std::invalid_argument(mOption + " needs a value");
    }
    mValue = mArgs[mNext++];
    return true;
}
