// Plain text: the report as a pane shows it, UTF-8 with LF line ends, cleaned of control
// sequences so that a data value never acts on a terminal.
#include "data/text_encoding.h"
#include "exports/format_registry.h"

namespace velorith::exports {

const Format kTextFormat{
    .Name = "text",
    .Extension = "txt",
    .MediaType = "text/plain; charset=utf-8",
    .SaveOrder = 2,
    .SaveDescription = "Text Document",
    .Render =
        [](const RenderJob& job) {
            // Each part is cleaned as it passes: it ends after a whole character.
            DocumentSink cleaned;
            if (job.sink != nullptr) {
                cleaned = [&job](std::string& part) {
                    SanitizeForTerminalInPlace(part);
                    (*job.sink)(part);
                };
            }
            std::string text = job.calendar.RenderText(job.kind, job.findText, job.wholeWord,
                                                       job.sink != nullptr ? &cleaned : nullptr);
            SanitizeForTerminalInPlace(text);
            return text;
        },
};

}  // namespace velorith::exports
