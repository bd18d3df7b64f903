#pragma once

#include <string>
#include <string_view>

// Rules for IPv4 addresses written in dotted form ("192.168.1.10"), and the
// routines that take such a text apart. Texts are 8-bit strings; positions and
// piece numbers count from 1. A rejected text raises norvane::Exception or, for
// the structural faults that no piece-by-piece test could report sensibly,
// norvane::EAssertionFailed.
namespace norvane {

// The n-th piece of text between separators; empty when there are fewer pieces.
std::string ExtractPiece(std::string_view text, int n, char separator);

int CountChar(std::string_view text, char c);

// True when every character is one of 0 to 9, and for the empty text.
bool AllDigits(std::string_view text);

// The 12-character form: each piece left-padded with "0" to three characters.
// Raises on the structural faults (length, dot count, piece length, leading zero).
std::string IPStringToTriplets(const std::string& ipString);

// Raises on a triplet text of the wrong length, a non-digit, or a value above 255.
// ipString is the dotted text the triplets came from, used in the messages.
void CheckTriplets(const std::string& triplets, const std::string& ipString);

// Accepts the text or raises the first fault, structural faults before value faults.
void CheckIPString(const std::string& ipString);

// The value of octet n (1 = leftmost) of a text CheckIPString accepts; 0 for any
// other n. Raises like CheckIPString whatever n is.
int GetOctet(const std::string& ipString, int n);

} // namespace norvane
