#pragma once
// INTERIM
#include <string>
namespace norvane::test {
void openInterimQuery(const std::string& machine, const std::string& journal);
void closeInterimQuery();
void setInterimConnectionCount(int count);
} // namespace norvane::test
