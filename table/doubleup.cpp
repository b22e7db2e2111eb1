// The double-up lamps: the rules of the game are the round's; the window blinks the lamps.
#include "table/form1.h"

#include "widgets/cardimagery.h"
#include "widgets/image.h"

namespace tarvelle {

// The lamps under the cards while a double-up runs: the current step blinks.
void TForm1::doubleLamps()
{
    DoubleUpState& d = m_gs.dbl;
    ++d.BlinkTicks; // wraps from 255 to 0
    for (int i = 1; i <= 5; ++i) {
        const int mark = d.DoubleMarks[i];
        if (mark == 0 && d.BlinkTicks == 1)
            m_imagery.paintLamp(lamp(i), CardImagery::LampOff);
        else if (mark == 2 && d.BlinkTicks == 1)
            m_imagery.paintLamp(lamp(i), CardImagery::LampDouble);
        else if (mark == 1)
            m_imagery.paintLamp(lamp(i), (d.BlinkTicks % 2) ? CardImagery::LampDouble : CardImagery::LampOff);
    }
    describeHand(); // the lamps are named by the marks, not by the blink
}

} // namespace tarvelle
