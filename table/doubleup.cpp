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
    const QImage& offImg = m_imagery.lampImage(CardImagery::LampOff);
    const QImage& dblImg = m_imagery.lampImage(CardImagery::LampDouble);
    for (int i = 1; i <= 5; ++i) {
        const int mark = d.DoubleMarks[i];
        if (mark == 0 && d.BlinkTicks == 1)
            lamp(i)->drawImage(0, 0, offImg);
        else if (mark == 2 && d.BlinkTicks == 1)
            lamp(i)->drawImage(0, 0, dblImg);
        else if (mark == 1)
            lamp(i)->drawImage(0, 0, (d.BlinkTicks % 2) ? dblImg : offImg);
    }
}

} // namespace tarvelle
