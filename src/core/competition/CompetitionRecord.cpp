#include "competition/CompetitionRecord.h"

namespace modCompetition {

CompetitionRecord &LastCompetition()
{
    static CompetitionRecord record;
    return record;
}

} // namespace modCompetition
