#include "sim/scenario/runner.h"

#include <fstream>
#include <ostream>
#include <sstream>

#include "sim/scenario/command_table.h"

namespace sim::scenario {
namespace {

Outcome OutcomeOf(int failed) { return failed > 0 ? Outcome::Failed : Outcome::Passed; }

}  // namespace

FileResult PlayScenarioText(Context& context, const std::string& file, const std::string& text,
                            std::ostream& out) {
  const CommandTable& commands = CommandTable::All();
  const auto result = [&](Outcome outcome) {
    return FileResult{context.Passed(), context.Failed(), outcome};
  };
  const Variables variables = {{"server", context.Web().BaseUrl()}};
  std::vector<ScriptLine> script;
  try {
    script = ParseScript(
        text, [&](const ScriptLine& line) { return commands.TakesBlock(line); }, &variables);
  } catch (const ScriptError& e) {
    out << file << ":" << e.line << ": " << e.what() << "\n";
    return result(Outcome::Unreadable);
  }
  for (const ScriptLine& line : script) {
    context.BeginRecordLine(line);
    try {
      const CommandSpec& spec = commands.Find(line);
      if (spec.needs == Needs::Library) context.EnsureStarted();
      spec.run(context, line);
      for (const std::string& failure : context.Sim().Library().TakeFailures()) {
        context.Fail(line.line, "the library's threads to keep running", failure);
      }
    } catch (const ScriptError& e) {
      out << file << ":" << e.line << ": " << e.what() << "\n";
      context.EndRecordLine();
      return result(Outcome::Unreadable);
    } catch (const std::exception& e) {
      // The simulated host ran into something the real client would crash
      // on: the rest of the file cannot mean anything.
      context.Fail(line.line, "the host to keep running", std::string("\"") + e.what() + "\"");
      context.EndRecordLine();
      return result(Outcome::Failed);
    }
    context.EndRecordLine();
  }
  return result(OutcomeOf(context.Failed()));
}

FileResult RunScenarioText(const std::string& file, const std::string& text,
                           const RunOptions& options, std::ostream& out) {
  // The context first: its web server's address is a variable of the file.
  Context context(file, options, out);
  const FileResult result = PlayScenarioText(context, file, text, out);
  // The record's block ends however the file ends.
  context.EndRecord();
  return FileResult{context.Passed(), context.Failed(), result.outcome};
}

FileResult RunScenarioFile(const std::string& file, const RunOptions& options, std::ostream& out) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream text;
  if (in) text << in.rdbuf();
  if (!in) {
    out << file << ": cannot read the file\n";
    return {0, 0, Outcome::Unreadable};
  }
  return RunScenarioText(file, text.str(), options, out);
}

}  // namespace sim::scenario
