#pragma once

// Where a control's caption stands inside its box, as a screen table gives it.
enum class CaptionAlign { Left, Centre, Right };
