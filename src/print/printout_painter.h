#pragma once
// Paints the printouts laid out by the core on any paged device: a printer from the print
// dialog or its preview, or a PDF file written without a display.
#include <QPageSize>
#include <QString>
#include <vector>

#include "model/document.h"
#include "output/printout_layout.h"

class QPagedPaintDevice;

namespace lw::print {

// Every page, one after the other; the device's first page must be fresh. False when the
// device cannot be painted on.
bool PaintBlockPrintout(QPagedPaintDevice& device, const output::BlockPrintout& out);
bool PaintPairsPrintout(QPagedPaintDevice& device, const output::PairsPrintout& out);

enum class Printout { Blocks, Pairings };

// The block printout of the given crew rows or the visual pairings, as a PDF file; false when
// the file cannot be written.
bool WritePdf(const model::Document& doc, Printout which, const std::vector<int>& rows, bool draft, bool printXes,
              const QString& file, QPageSize::PageSizeId pageSize);

}  // namespace lw::print
