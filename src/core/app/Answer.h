#pragma once

namespace corlinth {

// The answer of the shared message box: "OK" counts as Yes, the frame's close box as Cancel.
enum class Answer { Yes, No, Cancel };

}  // namespace corlinth
