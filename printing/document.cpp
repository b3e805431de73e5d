#include "printing/document.h"

namespace pickwise {

namespace {

bool isOutput(PrintOp::Kind kind)
{
    return kind == PrintOp::Text || kind == PrintOp::Line || kind == PrintOp::NewPage;
}

} // namespace

void PrintDocument::font(const std::string &family, int pointSize)
{
    PrintOp op;
    op.kind = PrintOp::Font;
    op.text = family;
    op.size = pointSize;
    ops.push_back(op);
}

void PrintDocument::a4Portrait()
{
    PrintOp op;
    op.kind = PrintOp::A4Portrait;
    ops.push_back(op);
}

void PrintDocument::text(const std::string &line)
{
    PrintOp op;
    op.kind = PrintOp::Text;
    op.text = line;
    ops.push_back(op);
}

void PrintDocument::width(int dots)
{
    PrintOp op;
    op.kind = PrintOp::Width;
    op.size = dots;
    ops.push_back(op);
}

void PrintDocument::line(double x1, double y1, double x2, double y2)
{
    PrintOp op;
    op.kind = PrintOp::Line;
    op.x1 = x1;
    op.y1 = y1;
    op.x2 = x2;
    op.y2 = y2;
    ops.push_back(op);
}

void PrintDocument::newPage()
{
    PrintOp op;
    op.kind = PrintOp::NewPage;
    ops.push_back(op);
}

void PrintDocument::append(const PrintDocument &other)
{
    ops.insert(ops.end(), other.ops.begin(), other.ops.end());
}

bool PrintDocument::hasOutput() const
{
    for (const PrintOp &op : ops)
        if (isOutput(op.kind))
            return true;
    return false;
}

bool PrintDocument::asksA4Portrait() const
{
    for (const PrintOp &op : ops) {
        if (isOutput(op.kind))
            return false;
        if (op.kind == PrintOp::A4Portrait)
            return true;
    }
    return false;
}

} // namespace pickwise
