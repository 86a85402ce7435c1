#include "app/ErrorReport.h"
#include "core/AppError.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace kyvra;

TEST(ErrorTemplate, ReplacesEveryExactPlaceholderOnceNumberFirst) {
    EXPECT_EQ(FillErrorTemplate("#[err.Number]/[err.Description]",
                                AppError(-2147467259, "Automation error")),
              "#-2147467259/Automation error");
    EXPECT_EQ(
        FillErrorTemplate("[err.Number][err.Number] [ERR.NUMBER] [err.number]", AppError(7, "x")),
        "77 [ERR.NUMBER] [err.number]");
    // A description carrying a placeholder is shown as it stands, not expanded into again.
    EXPECT_EQ(FillErrorTemplate("#[err.Number]: [err.Description]",
                                AppError(5, "bad [err.Number] and [err.Description]")),
              "#5: bad [err.Number] and [err.Description]");
}
