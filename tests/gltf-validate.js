// Runs the Khronos glTF validator on one GLB file and prints its counts, then each error and
// warning on a line of its own. Exit status 3 when the validator is not installed.
//   NODE_PATH=<node_modules> node gltf-validate.js FILE
'use strict';
const fs = require('fs');
let validator;
try {
    validator = require('gltf-validator');
} catch (e) {
    console.log('gltf-validator is not installed');
    process.exit(3);
}
validator.validateBytes(new Uint8Array(fs.readFileSync(process.argv[2])), {maxIssues: 100}).then((report) => {
    const issues = report.issues;
    console.log(`errors ${issues.numErrors} warnings ${issues.numWarnings} infos ${issues.numInfos} hints ${issues.numHints}`);
    for (const message of issues.messages)
        if (message.severity <= 1)
            console.log(`${message.code} ${message.pointer || ''}: ${message.message}`);
}, (error) => {
    console.log(`not validated: ${error}`);
    process.exit(1);
});
