// 设置某些班级不排时间 leads to the special-conditions tab, where a class's blocked periods are
// entered as "空课" fixed-lesson entries. (A teacher's and a course's are rules of their own:
// ruleediting.h.)
#pragma once

namespace orve {
class UiPort;
}

namespace orve::conditions {

void blockClassTimes(UiPort& ui); // "设置某些班级不排时间"

} // namespace orve::conditions
