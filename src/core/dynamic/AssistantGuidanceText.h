#pragma once

#include <QString>

#include <array>

// What the Dynamic Tool Assistant tells the user on each step of the
// wizard, and which box its star marks: plain text in, text out.
namespace modVornish {

struct AssistantGuidance
{
    QString text;
    // The box the star stands beside, or -1 for no star:
    // star 1 over 0 A, 1 B, 2 [A/B]; star 2 over 0 k_ass, 1 k_diss, 2 Kd.
    int star1Box = -1;
    int star2Box = -1;
};

// step is 1, 2 or 3. concentrations are the texts of A, B, [A/B];
// constants those of k_ass, k_diss, Kd.
AssistantGuidance GuidanceForStep(int step, const std::array<QString, 3> &concentrations,
                                  const std::array<QString, 3> &constants, const QString &concentrationUnit);

} // namespace modVornish
