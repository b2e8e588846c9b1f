// The three calculation modes and their radio group "tipodicalcolo".
#pragma once

#include <array>

namespace velmora {

enum class Mode {
    FlowsFromOD,     // "Find Qe,Qu,Qc,P"
    ODByProbability, // "Find O/D Matrix (Probability)"
    ODByFratar,      // "Find O/D Matrix (Fratar)"
};

inline constexpr std::array<Mode, 3> allModes{Mode::FlowsFromOD, Mode::ODByProbability, Mode::ODByFratar};

// Selecting a mode deselects the other two; deselecting one touches no
// other, so a data file can leave no mode selected at all.
class ModeGroup {
public:
    ModeGroup() { select(Mode::FlowsFromOD); }

    bool isSelected(Mode mode) const { return selected_[index(mode)]; }

    void setSelected(Mode mode, bool selected) {
        if (selected)
            select(mode);
        else
            selected_[index(mode)] = false;
    }

    void select(Mode mode) {
        selected_ = {};
        selected_[index(mode)] = true;
    }

private:
    static std::size_t index(Mode mode) { return static_cast<std::size_t>(mode); }
    std::array<bool, 3> selected_{};
};

} // namespace velmora
