// Reading payload fields of the incoming server message. u8, u16 and u32
// are the host's own reads (HostReadU8/U16/U32); these add the two
// composite fields of the protocol. ReadU8AndU16 and ReadU16SkipU16, which
// the host's own parser calls through the patch table, are declared with
// the other handlers in host/handlers.h.
#pragma once

#include <cstdint>
#include <string>

// Bytes left before the end of the buffer the message lies in. A count of
// entries that cannot fit in them belongs to a broken message: a handler
// stops there rather than loop on reads past the end.
uint64_t BytesLeftInBuffer();

// Throws std::length_error (naming `what`) when `count` entries of at least
// `minBytes` each cannot fit in what is left of the buffer. A handler calls
// it after reading a count and before reading the entries.
void RequireRoom(uint64_t count, uint64_t minBytes, const char* what);

// Two u32 reads, low half first.
uint64_t ReadU64();

// A u16 byte length n, then n bytes (no terminator on the wire), taken with
// the host's own byte reads. Only the host knows where its message ends, so
// a length that runs past the end gets what the host's reads give there
// (the simulated host refuses them: its reads throw), and the read position
// moves as for any other field. Nor does a length ever lead the reads past
// the end of the message buffer: the string stops there.
std::string ReadString();
