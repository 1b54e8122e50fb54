// The blocked-time commands of the menu 特殊条件考虑: each leads to the special-conditions tab,
// where blocked periods are entered as "空课" fixed-lesson entries. They keep no blocked times
// of their own and differ only in their captions.
#pragma once

namespace orve {
class UiPort;
}

namespace orve::conditions {

void blockCourseTimes(UiPort& ui);  // "设置某些课程不排时间"
void blockClassTimes(UiPort& ui);   // "设置某些班级不排时间"
void blockTeacherTimes(UiPort& ui); // "设置某些教师不排时间"

} // namespace orve::conditions
