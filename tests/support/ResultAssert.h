#pragma once

// For suites that link a library using CResult; gtest comes from the suite itself.

#include <gtest/gtest.h>

#include "Result.h"

// Beside CResult rather than in vantoro::test, so that every suite finds it by its argument.
namespace vantoro {

// ASSERT_TRUE(Succeeded(project.LoadProject(path))): a failure shows the result's reason.
template <class T>
::testing::AssertionResult Succeeded(const CResult<T>& result) {
    if (result) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << result.Error();
}

}  // namespace vantoro
