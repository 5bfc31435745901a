#pragma once

// What became of a file write. Only Written means the whole file is on disk.
enum class WriteResult { Written, CannotOpen, WriteFailed };
