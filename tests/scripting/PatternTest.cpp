// Lua's pattern functions on our own matcher: the results scripts rely on,
// the errors of malformed patterns, and the step limit.
#include <gtest/gtest.h>

#include "ScriptTestBench.h"
#include "scripting/LuaPattern.h"

namespace verdo::testing {
namespace {

TEST(Patterns, FindMatchGmatchAndGsubGiveLuasResults) {
    ScriptTestBench bench;
    const std::pair<const char*, const char*> cases[] = {
        {"print(('hello world'):find('o w'))", "5\t7"},
        {"print(('hello world'):find('l+'))", "3\t4"},
        {"print(('a.b'):find('.', 1, true))", "2\t2"},
        {"print(('hello'):find('l', -2))", "4\t4"},
        {"print(('hello'):find('x'))", "nil"},
        {"print(('key = value'):match('^(%w+)%s*=%s*(%w+)$'))", "key\tvalue"},
        {"print(('  trim  '):match('^%s*(.-)%s*$'))", "trim"},
        {"print(('f(a(b)c)d'):match('%b()'))", "(a(b)c)"},
        {"print(('THE (quick) fox'):find('%f[%a]%a+', 5))", "6\t10"},
        {"print(('abcabc'):match('(a)(b)c%1%2'))", "a\tb"},
        {"print(('hello'):match('()ll()'))", "3\t5"},
        {"print(('x=1, y=2'):gsub('(%w+)=(%w+)', '%2=%1'))", "1=x, 2=y\t2"},
        {"print(('abc'):gsub('', '-'))", "-a-b-c-\t4"},
        {"print(('hello world'):gsub('o', {o = '0'}))", "hell0 w0rld\t2"},
        {"print(('abc'):gsub('%w', function(c) return c:upper() .. '.' end, 2))", "A.B.c\t2"},
        {"print(('a,b,,c'):gsub(',', ';'))", "a;b;;c\t3"},
        {"local t = {} for k, v in ('a=1, b=2'):gmatch('(%w+)=(%w+)') do t[#t + 1] = k .. v end "
         "print(table.concat(t, ' '))",
         "a1 b2"},
        {"local n = 0 for w in ('one two  three'):gmatch('%a*') do n = n + 1 end print(n)", "4"},
        {"print(('[x]'):match('[%[%]]'), ('a-z'):match('[a%-]+'), ('^'):match('[]^]'))",
         "[\ta-\t^"},
        {"print(('aaa'):match('a-b'), ('aaab'):match('a-b'), ('ab'):match('^b'))",
         "nil\taaab\tnil"},
    };
    for (const auto& [code, expected] : cases)
        EXPECT_EQ(bench.eval(code), std::string(expected) + "\n") << code;
}

TEST(Patterns, MalformedPatternsRaiseLuasErrors) {
    ScriptTestBench bench;
    const std::pair<const char*, const char*> cases[] = {
        {"('a'):find('%')", "malformed pattern (ends with '%')"},
        {"('a'):find('[a')", "malformed pattern (missing ']')"},
        {"('a'):find('(a')", "unfinished capture"},
        {"('a'):match('a)')", "invalid pattern capture"},
        {"('a'):find('%1')", "invalid capture index %1"},
        {"('a'):find('%b')", "missing arguments to '%b'"},
        {"('a'):find('%fa')", "missing '[' after '%f' in pattern"},
        {"('a'):gsub('a', '%2')", "invalid capture index %2"},
        {"('a'):rep(40):find(('(a'):rep(40))", "too many captures"},
    };
    for (const auto& [code, expected] : cases)
        EXPECT_NE(bench.eval(code).find(expected), std::string::npos) << code;
}

TEST(Patterns, TheMatcherStopsAtItsStepLimit) {
    const std::string subject(2000, 'a');
    LuaPattern pattern(subject, ".-.-.-b", 100000);
    EXPECT_THROW(pattern.matchAt(0), LuaPattern::StepLimit);
    LuaPattern enough(subject, "a-$", 100000);
    EXPECT_EQ(enough.matchAt(0), subject.size());
    EXPECT_GT(enough.steps(), subject.size());
}

}  // namespace
}  // namespace verdo::testing
