#include "app/ErrorReport.h"
#include "core/AppError.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace kyvra;

namespace {
const QString codeLine = "(Error code: #[err.Number]/Error description: [err.Description])";
}

TEST(ErrorTemplate, FillsTheCodeLine) {
    EXPECT_EQ(FillErrorTemplate(codeLine, AppError::typeMismatch()),
              "(Error code: #13/Error description: Type mismatch)");
    EXPECT_EQ(FillErrorTemplate(codeLine, AppError(-2147467259, "Automation error")),
              "(Error code: #-2147467259/Error description: Automation error)");
    EXPECT_EQ(FillErrorTemplate(codeLine, AppError(0, "")), "(Error code: #0/Error description: )");
}

TEST(ErrorTemplate, ReplacesEveryOccurrenceCaseSensitivelyAndOnlyOnce) {
    EXPECT_EQ(
        FillErrorTemplate("[err.Number][err.Number] [ERR.NUMBER] [err.number]", AppError(7, "x")),
        "77 [ERR.NUMBER] [err.number]");
    // The number goes in first, so a description carrying a placeholder is shown as it stands;
    // the description itself is not expanded into again either.
    EXPECT_EQ(FillErrorTemplate(codeLine, AppError(5, "bad [err.Number] and [err.Description]")),
              "(Error code: #5/Error description: bad [err.Number] and [err.Description])");
}
