# -*- coding: utf-8 -*-
# A standard output of the whole run as one JSON document: every task's result
# on every host, then the counts of each host. ansible-core has no such
# callback of its own (it comes with a collection that Debian packages only in
# the full Ansible), and the playbook test reads its runs this way.
from __future__ import absolute_import, division, print_function

__metaclass__ = type

DOCUMENTATION = r'''
name: json
type: stdout
short_description: The run as one JSON document
description:
  - Every task's result and the counts of each host, as one JSON document at the end.
'''

import json

from ansible.parsing.ajson import AnsibleJSONEncoder
from ansible.plugins.callback import CallbackBase


class CallbackModule(CallbackBase):
    CALLBACK_VERSION = 2.0
    CALLBACK_TYPE = 'stdout'
    CALLBACK_NAME = 'json'

    def __init__(self):
        super(CallbackModule, self).__init__()
        self.tasks = []

    def _record(self, result, status):
        self.tasks.append(dict(task=result._task.get_name(), host=result._host.get_name(),
                               status=status, result=result._result))

    def v2_runner_on_ok(self, result):
        self._record(result, 'changed' if result._result.get('changed') else 'ok')

    def v2_runner_on_failed(self, result, ignore_errors=False):
        self._record(result, 'failed')

    def v2_runner_on_skipped(self, result):
        self._record(result, 'skipped')

    def v2_runner_on_unreachable(self, result):
        self._record(result, 'unreachable')

    def v2_playbook_on_stats(self, stats):
        hosts = dict((host, stats.summarize(host)) for host in sorted(stats.processed))
        self._display.display(json.dumps(dict(tasks=self.tasks, stats=hosts),
                                         cls=AnsibleJSONEncoder, indent=1, sort_keys=True))
