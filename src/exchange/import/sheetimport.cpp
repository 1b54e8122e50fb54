#include "sheetimport.h"

#include "planimport.h"
#include "planrecords.h"

namespace orve::exchange {

namespace {

PlanSheetRead recordsOf(const Table& table, SheetLayout layout)
{
    switch (layout.shape) {
    case SheetShape::Names:
        return readNameRows(table, layout.headerRow);
    case SheetShape::Plan:
        return readPlanRows(table, layout.headerRow);
    case SheetShape::Grid:
        return readGridRows(table, layout.headerRow);
    }
    return {};
}

QString noHeader(std::optional<SheetShape> shape)
{
    if (!shape)
        return QStringLiteral(u"表格的前几行中没有认得出的表头（如“班级”“课程”“任课教师”"
                              u"“周课时”），无法导入。");
    return QStringLiteral(u"表格的前几行中没有%1的表头，请检查表格或选择其他格式。")
        .arg(shapeName(*shape));
}

} // namespace

ImportPreview previewImport(const model::School& school, const Table& table,
                            std::optional<SheetShape> shape)
{
    ImportPreview preview;
    std::optional<SheetLayout> layout = detectShape(table);
    if (shape && (!layout || layout->shape != *shape)) {
        const int headerRow = headerRowOf(table, *shape);
        layout = headerRow < 0 ? std::nullopt : std::optional(SheetLayout{*shape, headerRow});
    }
    preview.shape = layout ? layout->shape : shape.value_or(SheetShape::Plan);
    if (!layout) {
        preview.error = noHeader(shape);
        preview.school = school;
        return preview;
    }
    preview.headerRow = layout->headerRow + 1;
    PlanSheetRead read = recordsOf(table, *layout);
    SchoolDraft draft(school);
    preview.rows = std::move(read.headerRefusals);
    const RecordKind kind =
        layout->shape == SheetShape::Names ? RecordKind::Names : RecordKind::PlanRows;
    std::vector<RowResult> rows = importRecords(draft, std::move(read.records), kind);
    preview.rows.insert(preview.rows.end(), std::make_move_iterator(rows.begin()),
                        std::make_move_iterator(rows.end()));
    preview.school = draft.take();
    return preview;
}

} // namespace orve::exchange
