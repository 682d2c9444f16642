// Scales every control to the screen and builds the control-number table.
#include "app/form1.h"

void Form1::ScreenAdj() {
  try {
    for (ShiftLine = 0; ShiftLine < window.count(); ++ShiftLine) {
      Control& c = window.control(ShiftLine);
      CtlName = c.name();
      WorkStr1 = CtlName.substr(0, 3);
      const std::string g = mid(c.tag(), 4, 3);
      if (g == " -1") continue;
      Kx = toInt16(c.tabIndex());
      if (g != "000") {
        Kx = roundInt16(leadingNumber(g) - 1);
        CtlByTab(Kx) = ShiftLine;
      }
      // The size is read as a number and rounded, so 14.25 becomes 14 and 15.75 becomes 16.
      Kx = roundInt16(c.font().size);
      Kx = roundInt16(Kx * static_cast<double>(ScaleMin));
      WorkStr2 = formatRight(Kx, 2);
      c.setFontSize(Kx);
      c.setLeft(c.left() * ScaleX);
      c.setTop(c.top() * ScaleY);
      c.setWidth(c.width() * ScaleX);
      if (WorkStr1 != "Fle") {
        if (WorkStr1 != "Lis") CtlName += c.caption();
        c.setHeight(c.height() * ScaleY);
      }
    }
  } catch (const std::exception&) {
    Tell("ConList " + CtlName + formatZero(ShiftLine, 4) + formatZero(Kx, 3) + WorkStr2);
  }
}
