// Every JavaScript file of the project passes ESLint and is formatted as Prettier writes it
// (.prettierrc.json), as clang-format holds the C++. Prints each finding; exits 1 on any.
// Usage: node check_javascript.js PROJECT_ROOT   (NODE_PATH: the browser driver's node_modules)
'use strict';

const fs = require('fs');
const path = require('path');
const { ESLint } = require('eslint');
const js = require('@eslint/js');
const globals = require('globals');
const prettier = require('prettier');

const root = process.argv[2];

// The globals that an emscripten JavaScript library sees in the program's script.
const emscriptenLibrary = {
  mergeInto: 'readonly',
  LibraryManager: 'readonly',
  Module: 'readonly',
  HEAP32: 'readonly',
  UTF8ToString: 'readonly',
  addRunDependency: 'readonly',
  removeRunDependency: 'readonly',
  Form1Page: 'readonly',
  PageBoard: 'readonly',
  PageInput: 'readonly',
};

const config = [
  js.configs.recommended,
  {
    rules: {
      'no-var': 'error',
      'prefer-const': 'error',
      eqeqeq: 'error',
      'no-unused-vars': ['error', { args: 'after-used' }],
    },
  },
  {
    files: ['ui/web/*.js', 'bench/web/*_imports.js'],
    languageOptions: {
      sourceType: 'script',
      globals: { ...globals.browser, ...emscriptenLibrary },
    },
  },
  {
    files: ['ui/web/service_worker.js'],
    languageOptions: { sourceType: 'script', globals: globals.serviceworker },
  },
  {
    // Node's scripts, some of whose functions run in the page.
    files: ['tests/**/*.js', 'bench/web/page_bench.js'],
    languageOptions: {
      sourceType: 'commonjs',
      // The page's program and chromium's gc() (--js-flags=--expose-gc), where they run there.
      globals: { ...globals.node, ...globals.browser, Module: 'readonly', gc: 'readonly' },
    },
  },
];

const sources = ['ui/web', 'bench/web', 'tests/web', 'tests/scenarios'].flatMap((folder) =>
  fs
    .readdirSync(path.join(root, folder))
    .filter((name) => name.endsWith('.js'))
    .map((name) => path.join(folder, name)),
);

async function main() {
  const eslint = new ESLint({ cwd: root, overrideConfigFile: true, overrideConfig: config });
  const results = await eslint.lintFiles(sources);
  const formatter = await eslint.loadFormatter('stylish');
  const report = await formatter.format(results);
  let failed = results.some((result) => result.errorCount + result.warningCount > 0);
  if (report) {
    console.log(report);
  }
  for (const source of sources) {
    const file = path.join(root, source);
    const options = await prettier.resolveConfig(file);
    const text = fs.readFileSync(file, 'utf8');
    if (!(await prettier.check(text, { ...options, filepath: file }))) {
      console.log(`${source}: not as Prettier formats it (npx prettier --write ${source})`);
      failed = true;
    }
  }
  console.log(`${sources.length} files: ${failed ? 'findings above' : 'ESLint and Prettier pass'}`);
  process.exitCode = failed ? 1 : 0;
}

main().catch((error) => {
  console.error(error);
  process.exitCode = 1;
});
